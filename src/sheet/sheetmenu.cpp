#include "sheetmenu.h"

#include <stdexcept>

#include "sheetblocks.h"
#include "sheettext.h"

namespace {

const MenuEntry& entrynamed(std::string_view name) {
    for (const MenuEntry& entry : kMenu) {
        if (entry.name == name) return entry;
    }
    throw std::logic_error("no menu entry " + std::string(name));
}

template <typename Rule>
const MenuEntry& ruleitem(Rule rule) {
    for (const MenuEntry& entry : kMenu) {
        if (const Rule* of = std::get_if<Rule>(&entry.action); of != nullptr && *of == rule)
            return entry;
    }
    throw std::logic_error("no menu item for a price rule");
}

std::vector<std::string> pathto(const MenuEntry& item) {
    std::vector<std::string> captions;
    for (std::string_view at = item.name; !at.empty(); at = entrynamed(at).place)
        captions.insert(captions.begin(), std::string(entrynamed(at).caption));
    return captions;
}

bool inforce(const MenuEntry& entry, PriceRules prices) {
    if (const auto* rule = std::get_if<AttrRule>(&entry.action)) return *rule == prices.attr;
    if (const auto* rule = std::get_if<SkillRule>(&entry.action)) return *rule == prices.skill;
    return false;
}

// Every rule of a group, in the menu's order.
template <typename Rule>
std::vector<std::pair<Rule, std::vector<std::string>>> grouppaths() {
    std::vector<std::pair<Rule, std::vector<std::string>>> paths;
    for (const MenuEntry& entry : kMenu) {
        if (const Rule* rule = std::get_if<Rule>(&entry.action))
            paths.emplace_back(*rule, pathto(entry));
    }
    return paths;
}

}  // namespace

bool menuchecked(const MenuEntry& entry, PriceRules prices) {
    if (entry.kind == MenuKind::Item) return inforce(entry, prices);
    if (entry.kind != MenuKind::Menu || entry.place.empty()) return false;
    for (const MenuEntry& item : kMenu) {
        if (item.place == entry.name && inforce(item, prices)) return true;
    }
    return false;
}

std::vector<std::string> rulepath(AttrRule rule) { return pathto(ruleitem(rule)); }
std::vector<std::string> rulepath(SkillRule rule) { return pathto(ruleitem(rule)); }

const SheetWords& sheetwords() {
    static const SheetWords words = [] {
        SheetWords w;
        for (std::size_t i = 0; i < kAttributes; ++i) w.attributes[i] = kSheetBlocks[i].caption;
        w.features = kSheetBlocks[kFeatureTable].caption;
        w.attrrules = grouppaths<AttrRule>();
        w.skillrules = grouppaths<SkillRule>();
        return w;
    }();
    return words;
}
