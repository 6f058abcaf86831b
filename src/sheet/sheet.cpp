#include "sheet.h"

#include "catalogue/intsyntax.h"
#include "saturate.h"
#include "takenindex.h"
#include "w1251.h"

namespace {

void setvalue(std::string& line, std::string_view value) { line = joinline(linekey(line), value); }

}  // namespace

bool countpoints(AppState& state, std::span<const std::string> attrtexts, AttrRule rule) {
    std::int64_t sum = 0;
    for (const std::string& text : attrtexts) {
        const auto value = parseint(text);
        if (!value) return false;
        sum += attrprice(rule, *value);
    }
    state.attrpoints = saturate(sum);
    return true;
}

std::optional<SkillRowPrice> skillrowprice(const TakenIndex& index, std::string_view line,
                                           SkillRule rule) {
    const auto [key, value] = splitline(line);
    if (key.empty()) return std::nullopt;
    const auto found = index.find(key);
    if (!found) return std::nullopt;
    const std::int32_t level = strtoint(value);
    return SkillRowPrice{*found, level, skillprice(rule, level, index.at(*found).price)};
}

void skillcount(AppState& state, std::span<const Lines* const> tables, SkillRule rule) {
    const TakenIndex index(state.takenskills);
    std::int64_t sum = 0;
    for (const Lines* table : tables) {
        for (const std::string& line : *table) {
            const auto row = skillrowprice(index, line, rule);
            if (!row) continue;
            state.takenskills[row->taken].level = row->level;
            sum += row->points;
        }
    }
    state.skillpoints = saturate(sum);
}

void cleanlevels(Lines& table) {
    for (std::string& line : table) {
        const std::string_view value = linevalue(line);
        if (value.empty()) return;
        const auto level = parseint(value);
        if (!level) {
            setvalue(line, "0");
        } else if (*level > 5) {
            setvalue(line, "5");
        }
    }
}

bool featexit(AppState& state, Lines& table) {
    if (table.empty()) return false;
    for (std::string& line : table) {
        const std::string_view value = linevalue(line);
        if (value.empty()) return false;
        if (!isinteger(value)) setvalue(line, "0");
    }
    std::int64_t sum = 0;
    for (const std::string& line : table) sum += strtoint(linevalue(line));
    state.featpoints = saturate(sum);
    return true;
}

std::int32_t total(const AppState& state) {
    return saturate(std::int64_t{state.attrpoints} + state.skillpoints + state.featpoints);
}

std::string totaltext(const AppState& state) {
    static constexpr auto kTotal = w1251("Требуется плюшек: ");
    return kTotal.str() + inttostr(total(state));
}
