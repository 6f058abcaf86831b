#pragma once

#include <cstddef>
#include <string_view>

// The first i >= from below text.size() where `candidate(p + i)` holds, p being the first
// byte, or text.size(). `candidate` may read up to `ahead` bytes past its byte and must test
// without branches (& and |, not && and ||): blocks of 64 with room for that are then tested
// by the compiler's vector instructions.
template <typename Candidate>
std::size_t findcandidate(std::string_view text, std::size_t from, std::size_t ahead,
                          Candidate candidate) {
    constexpr std::size_t kBlock = 64;
    const auto* const p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = from;
    for (; i + kBlock + ahead <= size; i += kBlock) {
        unsigned char any = 0;
        for (std::size_t j = 0; j < kBlock; ++j) any |= candidate(p + i + j);
        if (any != 0) break;
    }
    for (; i + ahead < size; ++i) {
        if (candidate(p + i)) return i;
    }
    return size;
}
