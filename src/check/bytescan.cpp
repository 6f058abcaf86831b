#include "bytescan.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlock = 64;

auto byte(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

// The first i >= from below text.size() where `candidate(p + i)` holds, p being the first
// byte, or text.size(). `candidate` may read up to `ahead` bytes past its byte and must test
// without branches (& and |, not && and ||): blocks of 64 with room for that are then tested
// by the compiler's vector instructions.
template <typename Candidate>
std::size_t findcandidate(std::string_view text, std::size_t from, std::size_t ahead,
                          Candidate candidate) {
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

std::size_t lineend(std::string_view text, std::size_t at) {
    const std::size_t lf = text.find('\n', at);
    return lf == std::string_view::npos ? text.size() : lf;
}

std::size_t linestart(std::string_view text, std::size_t at) {
    if (at == 0) return 0;
    const std::size_t lf = text.rfind('\n', at - 1);
    return lf == std::string_view::npos ? 0 : lf + 1;
}

// Length of the UTF-8 sequence that `lead` starts, 0 for a byte that starts none.
std::size_t sequencelength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool validutf8(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = sequencelength(byte(line, i));
        if (length == 0 || i + length > line.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(line, i + k) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

void findutf8(std::string_view text, Language language, std::vector<Finding>& out) {
    const std::string advice = say(language, utf8advice());
    if (text.starts_with("\xEF\xBB\xBF")) {
        out.push_back({0, Problem::Utf8, say(language, Text::Bom, {advice})});
        return;
    }
    // А to я are D0 90 to D1 8F in UTF-8, and Ё, ё D0 81, D1 91; in Windows-1251 "Р" or "С"
    // before one of the rarer bytes 0x80 to 0xBF. A whole line of valid UTF-8 decides.
    const auto cyrillic = [](const unsigned char* p) -> unsigned char {
        return ((p[0] & 0xFE) == 0xD0) & ((p[1] & 0xC0) == 0x80);
    };
    for (std::size_t at = findcandidate(text, 0, 1, cyrillic); at < text.size();) {
        const std::size_t start = linestart(text, at);
        const std::size_t end = lineend(text, at);
        if (validutf8(text.substr(start, end - start))) {
            out.push_back({at, Problem::Utf8, say(language, Text::Utf8, {advice})});
            return;
        }
        at = findcandidate(text, end, 1, cyrillic);
    }
}

void findlonecrs(std::string_view text, Language language, std::vector<Finding>& out) {
    const auto cr = [](const unsigned char* p) -> unsigned char {
        return (p[0] == '\r') & (p[1] != '\n');
    };
    for (std::size_t at = findcandidate(text, 0, 1, cr); at < text.size();) {
        const std::size_t next = text.find_first_not_of('\r', at);
        if (next != std::string_view::npos && text[next] != '\n') {
            out.push_back({at, Problem::LoneCr, say(language, Text::LoneCr)});
        }
        at = next == std::string_view::npos ? text.size() : findcandidate(text, next, 1, cr);
    }
}
