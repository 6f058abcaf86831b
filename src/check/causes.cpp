#include "causes.h"

#include <algorithm>
#include <vector>

#include "catalogue/intsyntax.h"

namespace {

bool blank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// "–" or "—" in Windows-1251, or as UTF-8 with the minus sign "−" beside them.
bool dashat(std::string_view rest) {
    for (const std::string_view dash :
         {"\x96", "\x97", "\xE2\x80\x93", "\xE2\x80\x94", "\xE2\x88\x92"})
        if (rest.starts_with(dash)) return true;
    return false;
}

// The blank-separated words of `text`.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    for (;;) {
        while (!text.empty() && blank(text.front())) text.remove_prefix(1);
        if (text.empty()) return out;
        std::size_t end = 0;
        while (end < text.size() && !blank(text[end])) ++end;
        out.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

// How many prices stand before `at` on its line when the rest of the line is a name: all
// before it are integers, and from `at` on none is, nor begins like one ("1 y 3 C" and
// "5 10abc 7x B" have a bad price, not a name).
std::size_t pricesbeforename(std::string_view bytes, std::size_t at) {
    if (at >= bytes.size() ||
        std::string_view("0123456789+-").find(bytes[at]) != std::string_view::npos)
        return 0;
    const std::size_t start = at == 0 ? 0 : bytes.rfind('\n', at - 1) + 1;
    const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
    const auto before = words(bytes.substr(start, at - start));
    const auto after = words(bytes.substr(at, end - at));
    if (after.empty() || !std::ranges::all_of(before, isinteger) ||
        std::ranges::any_of(after, isinteger))
        return 0;
    return before.size();
}

}  // namespace

std::string likelycause(CatalogueKind kind, std::string_view bytes, std::size_t at,
                        Language language) {
    // A byte-order mark has a warning of its own.
    if (at == 0 && bytes.starts_with("\xEF\xBB\xBF")) return {};
    if (dashat(bytes.substr(std::min(at, bytes.size())))) return say(language, Text::DashForMinus);
    if (kind == CatalogueKind::Skills) {
        // The program's message then quotes nothing: "'' is not a valid integer value".
        const bool lineend = at == bytes.size() || bytes[at] == '\r' || bytes[at] == '\n';
        return lineend ? say(language, Text::SkillCodes) : std::string();
    }
    switch (pricesbeforename(bytes, at)) {
        case 1:
            return say(language, Text::OnePrice);
        case 2:
            return say(language, Text::TwoPrices);
        default:
            return {};
    }
}
