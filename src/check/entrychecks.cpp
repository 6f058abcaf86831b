#include "entrychecks.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kCtrlZ = '\x1A';
constexpr char kNbsp = '\xA0';
constexpr std::int32_t kCostBound = 70;
constexpr std::size_t kShortLine = 3;
constexpr std::uint8_t kAllFeatures = 0;
// The edition of each cost, in the order of the numbers on a line.
constexpr const char* kEditions[] = {"ТЛ1", "ТЛ2", "ТЛ1М"};

std::string digit(std::uint8_t value) { return std::string(1, static_cast<char>('0' + value)); }

}  // namespace

EntryChecks::EntryChecks(std::string_view bytes, std::size_t entries, Language language)
    : bytes_(bytes), language_(language), names_(entries), end_(bytes.size()) {}

void EntryChecks::add(const char* at, Problem problem, std::string message) {
    findings_.push_back(
        {static_cast<std::size_t>(at - bytes_.data()), problem, std::move(message)});
}

void EntryChecks::failed(const char* at, std::string message) {
    add(at, Problem::Failure, std::move(message));
    if (!firstfailed_) firstfailed_ = entries_;
    ++entries_;
}

void EntryChecks::skill(const TSkillRec& skill, std::string_view line) {
    const char* const codes = line.data();
    if (skill.attr < 1 || skill.attr > 7) {
        add(codes, Problem::Attribute, say(language_, Text::Attribute, {digit(skill.attr)}));
    }
    if (skill.price != 1 && skill.price != 2 && skill.price != 4) {
        add(codes + 1, Problem::Price, say(language_, Text::Price, {digit(skill.price)}));
    }
    if (skill.branched > 1) {
        add(codes + 2, Problem::Flag, say(language_, Text::Branched, {digit(skill.branched)}));
    } else if (skill.special > 1) {
        add(codes + 3, Problem::Flag, say(language_, Text::Special, {digit(skill.special)}));
    }
    checkname(skill.name, codes + 4, Text::EmptySkill);
    if (!skill.name.empty()) names_.add(entries_, skill.name, skill.attr);
    ++entries_;
}

void EntryChecks::feat(const TFeatRec& feat, const FeatPlaces& places) {
    for (std::size_t i = 0; i < feat.cost.size(); ++i) {
        const std::int32_t cost = feat.cost[i];
        if (places.cost[i] == nullptr || (cost >= -kCostBound && cost <= kCostBound)) continue;
        const std::int32_t bound = cost < 0 ? -kCostBound : kCostBound;
        add(places.cost[i], Problem::CostRange,
            say(language_, Text::CostRange,
                {std::to_string(cost), kEditions[i], std::to_string(bound)}));
    }
    checkshortlines(places);
    const char* const at = feat.name.data() != nullptr ? feat.name.data() : places.namefield;
    checkname(feat.name, at, Text::EmptyFeat);
    if (!feat.name.empty()) names_.add(entries_, feat.name, kAllFeatures);
    ++entries_;
}

void EntryChecks::checkname(std::string_view name, const char* at, Text ifempty) {
    if (name.empty()) {
        add(at, Problem::EmptyName, say(language_, ifempty));
        return;
    }
    if (const void* equals = std::memchr(name.data(), '=', name.size())) {
        add(static_cast<const char*>(equals), Problem::EqualsSign,
            say(language_, Text::EqualsSign));
    }
    checkblanks(name);
}

// Blanks that look right in Notepad and wrong in the dialog: tabs, blanks at the end,
// non-breaking spaces, and control characters, which show as nothing or a box.
void EntryChecks::checkblanks(std::string_view name) {
    const std::size_t last = name.find_last_not_of(" \t");
    if (last != name.size() - 1) {
        add(name.data() + (last == std::string_view::npos ? 0 : last + 1), Problem::TrailingBlanks,
            say(language_, Text::TrailingBlanks));
    }
    const std::string_view inner = name.substr(0, last == std::string_view::npos ? 0 : last);
    if (const std::size_t tab = inner.find('\t'); tab != std::string_view::npos)
        add(name.data() + tab, Problem::Tab, say(language_, Text::Tab));
    if (const std::size_t nbsp = name.find(kNbsp); nbsp != std::string_view::npos)
        add(name.data() + nbsp, Problem::Nbsp, say(language_, Text::Nbsp));
    const auto control = std::ranges::find_if(name, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t') || byte == 0x7F;
    });
    if (control != name.end()) {
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(*control));
        add(&*control, Problem::Control, say(language_, Text::Control, {code}));
    }
}

// A line of 1 to 3 characters can only belong to a feature whose numbers stand on more than
// one line, or are ended by a Ctrl-Z: only such a feature's lines are looked at.
void EntryChecks::checkshortlines(const FeatPlaces& places) {
    const char* const end = bytes_.data() + bytes_.size();
    const auto lineend = [end](const char* from) {
        const void* lf = std::memchr(from, '\n', static_cast<std::size_t>(end - from));
        return lf != nullptr ? static_cast<const char*>(lf) : end;
    };
    const bool oneline = lineend(places.entry) >= places.namefield;
    const auto span = static_cast<std::size_t>(places.namefield - places.entry);
    if (oneline && span > kShortLine) return;
    const char* const last = lineend(places.namefield);
    for (const char* line = places.entry;;) {
        const char* const lf = lineend(line);
        std::string_view text(line, static_cast<std::size_t>(lf - line));
        if (text.ends_with('\r')) text.remove_suffix(1);
        const bool blank =
            std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
        if (!text.empty() && text.size() <= kShortLine && !blank) {
            add(line, Problem::ShortLine,
                say(language_, Text::ShortLine, {characters(text.size(), language_)}));
        }
        if (lf >= last) break;
        line = lf + 1;
    }
}

void EntryChecks::findrepeatednames(const std::function<std::string_view(std::size_t)>& nameof) {
    for (const RepeatFinder::Repeat& repeat : names_.repeats(nameof)) {
        add(nameof(repeat.index).data(), Problem::SameName, std::string());
        findings_.back().first =
            static_cast<std::size_t>(nameof(repeat.first).data() - bytes_.data());
    }
}

void EntryChecks::ended(const char* at) {
    end_ = static_cast<std::size_t>(at - bytes_.data());
    if (at == bytes_.data() + bytes_.size()) return;
    const bool text = std::any_of(at + 1, bytes_.data() + bytes_.size(), [](char c) {
        return static_cast<unsigned char>(c) > 0x20 && c != kCtrlZ;
    });
    if (text) {
        add(at, Problem::AfterCtrlZ, say(language_, Text::AfterCtrlZ));
    }
}
