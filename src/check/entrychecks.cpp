#include "entrychecks.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kCtrlZ = '\x1A';
constexpr std::int32_t kCostBound = 70;
constexpr std::size_t kShortLine = 3;
constexpr std::uint8_t kAllFeatures = 0;
// The edition of each cost, in the order of the numbers on a line.
constexpr const char* kEditions[] = {"ТЛ1", "ТЛ2", "ТЛ1М"};

std::string digit(std::uint8_t value) { return std::string(1, static_cast<char>('0' + value)); }

}  // namespace

EntryChecks::EntryChecks(std::string_view bytes, std::size_t entries)
    : bytes_(bytes), names_(entries), end_(bytes.size()) {}

void EntryChecks::add(const char* at, Problem problem, std::string message) {
    findings_.push_back(
        {static_cast<std::size_t>(at - bytes_.data()), problem, std::move(message)});
}

void EntryChecks::failed(const char* at, std::string message) {
    add(at, Problem::Failure, std::move(message));
    ++entries_;
}

void EntryChecks::skill(const TSkillRec& skill, std::string_view line) {
    const char* const codes = line.data();
    if (skill.attr < 1 || skill.attr > 7) {
        add(codes, Problem::Attribute,
            "attribute " + digit(skill.attr) +
                " is not 1 to 7: the skill is offered under no "
                "attribute");
    }
    if (skill.price != 1 && skill.price != 2 && skill.price != 4) {
        add(codes + 1, Problem::Price, "unit price " + digit(skill.price) + " is not 1, 2 or 4");
    }
    if (skill.branched > 1) {
        add(codes + 2, Problem::Flag, "branched flag " + digit(skill.branched) + " is not 0 or 1");
    } else if (skill.special > 1) {
        add(codes + 3, Problem::Flag, "special flag " + digit(skill.special) + " is not 0 or 1");
    }
    checkname(skill.name, codes + 4, "the skill shows as a blank line in the dialog");
    if (!skill.name.empty()) names_.add(entries_, skill.name, skill.attr);
    ++entries_;
}

void EntryChecks::feat(const TFeatRec& feat, const FeatPlaces& places) {
    for (std::size_t i = 0; i < feat.cost.size(); ++i) {
        const std::int32_t cost = feat.cost[i];
        if (places.cost[i] == nullptr || (cost >= -kCostBound && cost <= kCostBound)) continue;
        const std::int32_t bound = cost < 0 ? -kCostBound : kCostBound;
        add(places.cost[i], Problem::CostRange,
            "cost " + std::to_string(cost) + " under " + kEditions[i] +
                " is outside -70..70; the dialog brings it to " + std::to_string(bound));
    }
    checkshortlines(places);
    const char* const at = feat.name.data() != nullptr ? feat.name.data() : places.namefield;
    checkname(feat.name, at, "the feature shows as its prices alone and cannot be taken");
    if (!feat.name.empty()) names_.add(entries_, feat.name, kAllFeatures);
    ++entries_;
}

void EntryChecks::checkname(std::string_view name, const char* at, std::string_view ifempty) {
    if (name.empty()) {
        add(at, Problem::EmptyName, "empty name: " + std::string(ifempty));
        return;
    }
    if (const void* equals = std::memchr(name.data(), '=', name.size())) {
        add(static_cast<const char*>(equals), Problem::EqualsSign,
            "the name holds \"=\", which splits its row in the sheet's table");
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
                "a line of only " + std::to_string(text.size()) +
                    (text.size() == 1 ? " character" : " characters") +
                    "; the numbers of a feature are read across line ends");
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
        add(at, Problem::AfterCtrlZ,
            "this Ctrl-Z ends the catalogue: the text after it is not read");
    }
}
