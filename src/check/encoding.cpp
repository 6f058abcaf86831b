#include "encoding.h"

#include <algorithm>

#include "blockscan.h"
#include "utf8text.h"

namespace {

std::size_t lineend(std::string_view bytes, std::size_t at) {
    const std::size_t lf = bytes.find('\n', at);
    return lf == std::string_view::npos ? bytes.size() : lf;
}

std::size_t linestart(std::string_view bytes, std::size_t at) {
    if (at == 0) return 0;
    const std::size_t lf = bytes.rfind('\n', at - 1);
    return lf == std::string_view::npos ? 0 : lf + 1;
}

// A UTF-8 line holds a lead byte with a continuation byte after it, which Windows-1251 text
// has now and then: a letter before "ё", "«", "»" or a dash. Only such lines are looked at,
// from that byte on first, where Windows-1251 fails within a word or two. Returns the first
// `most` of them.
template <typename Candidate>
std::vector<std::size_t> findutf8lines(std::string_view bytes, Candidate candidate,
                                       std::size_t most) {
    std::vector<std::size_t> lines;
    for (std::size_t at = findcandidate(bytes, 0, 1, candidate);
         at < bytes.size() && lines.size() < most;) {
        const std::size_t end = lineend(bytes, at);
        if (validutf8(bytes.substr(at, end - at))) {
            const std::size_t start = linestart(bytes, at);
            if (validutf8(bytes.substr(start, at - start))) lines.push_back(start);
        }
        at = findcandidate(bytes, end, 1, candidate);
    }
    return lines;
}

// Any character beyond ASCII: a lead byte 0xC2 to 0xF4 with a continuation byte. Lambdas,
// not functions, so that the scan inlines and vectorises them.
constexpr auto kSequence = [](const unsigned char* p) -> unsigned char {
    return (static_cast<unsigned char>(p[0] - 0xC2) <= 0xF4 - 0xC2) & ((p[1] & 0xC0) == 0x80);
};

// A Russian letter, D0 or D1 before a continuation byte: in Windows-1251 "Р" or "С" before
// one of the rarer bytes, so that a file in Windows-1251 is told from its first pass at
// the speed of reading it.
constexpr auto kRussian = [](const unsigned char* p) -> unsigned char {
    return ((p[0] & 0xFE) == 0xD0) & ((p[1] & 0xC0) == 0x80);
};

// Whether a byte beyond ASCII stands outside the UTF-8 lines: then that line is Windows-1251.
bool highbyteelsewhere(std::string_view bytes, std::size_t from,
                       const std::vector<std::size_t>& utf8lines) {
    const auto high = [](const unsigned char* p) -> unsigned char { return p[0] >> 7; };
    for (const std::size_t start : utf8lines) {
        if (findcandidate(bytes.substr(0, start), from, 0, high) < start) return true;
        from = lineend(bytes, start);
    }
    return findcandidate(bytes, from, 0, high) < bytes.size();
}

}  // namespace

bool Encoding::onutf8line(std::string_view bytes, std::size_t offset) const {
    if (kind == Kind::Utf8) return true;
    const auto after = std::ranges::upper_bound(utf8lines, offset);
    return after != utf8lines.begin() && lineend(bytes, *(after - 1)) >= offset;
}

Encoding encodingof(std::string_view bytes) {
    Encoding out;
    if (bytes.starts_with("\xFF\xFE")) {
        out.kind = Encoding::Kind::Utf16Le;
        return out;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        out.kind = Encoding::Kind::Utf16Be;
        return out;
    }
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    out.bom = bytes.starts_with(kBom);
    // A catalogue has Russian names: a file without a UTF-8 line of them is taken as it is.
    if (!out.bom && findutf8lines(bytes, kRussian, 1).empty()) return out;
    out.utf8lines = findutf8lines(bytes, kSequence, bytes.size());
    const bool cp1251 = highbyteelsewhere(bytes, out.bom ? kBom.size() : 0, out.utf8lines);
    if (!cp1251) {
        out.kind = Encoding::Kind::Utf8;
    } else if (!out.utf8lines.empty()) {
        out.kind = Encoding::Kind::Mixed;
    }
    return out;
}
