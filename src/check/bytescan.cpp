#include "bytescan.h"

#include "blockscan.h"

namespace {

std::size_t lineend(std::string_view text, std::size_t at) {
    const std::size_t lf = text.find('\n', at);
    return lf == std::string_view::npos ? text.size() : lf;
}

// The first byte beyond ASCII on the line that starts at `start`.
std::size_t firsthigh(std::string_view text, std::size_t start) {
    const std::size_t end = lineend(text, start);
    for (std::size_t at = start; at < end; ++at) {
        if (static_cast<unsigned char>(text[at]) >= 0x80) return at;
    }
    return start;
}

}  // namespace

void findutf8(std::string_view text, const Encoding& encoding, Language language,
              std::vector<Finding>& out) {
    const std::string advice = say(language, utf8advice());
    if (encoding.bom) out.push_back({0, Problem::Utf8, say(language, Text::Bom, {advice})});
    if (encoding.kind == Encoding::Kind::Utf8 && !encoding.bom && !encoding.utf8lines.empty()) {
        const std::size_t start = encoding.utf8lines.front();
        if (start < text.size())
            out.push_back(
                {firsthigh(text, start), Problem::Utf8, say(language, Text::Utf8, {advice})});
    }
    if (encoding.kind != Encoding::Kind::Mixed) return;
    for (const std::size_t start : encoding.utf8lines) {
        if (start >= text.size()) break;
        out.push_back({firsthigh(text, start), Problem::Utf8, say(language, Text::Utf8Line)});
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
