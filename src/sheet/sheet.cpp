#include "sheet.h"

#include "catalogue/apperror.h"
#include "catalogue/intsyntax.h"
#include "copywords.h"
#include "costs.h"
#include "saturate.h"
#include "takenindex.h"

namespace {

void setvalue(std::string& line, std::string_view value) { line = joinline(linekey(line), value); }

}  // namespace

bool countpoints(AppState& state, std::span<const std::string> attrtexts, AttrRule rule) {
    std::int64_t sum = 0;
    for (const std::string& text : attrtexts) {
        const Cost cost = attrcost(text, rule);
        if (!cost.points) return false;
        sum += *cost.points;
    }
    state.attrpoints = saturate(sum);
    return true;
}

void skillcount(AppState& state, std::span<const Lines* const> tables, SkillRule rule) {
    const TakenIndex index(state.takenskills);
    std::int64_t sum = 0;
    for (const Lines* table : tables) {
        for (const std::string& line : *table) {
            const SkillRowCost row = skillrowcost(index, line, rule);
            if (!row.taken) continue;
            if (!row.points) throw AppError(notintegermessage(row.text));
            state.takenskills[*row.taken].level = *row.value;
            sum += *row.points;
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

bool cleanprices(Lines& table) {
    for (std::string& line : table) {
        const std::string_view value = linevalue(line);
        if (value.empty()) return false;
        if (!isinteger(value)) setvalue(line, "0");
    }
    return true;
}

bool featexit(AppState& state, Lines& table) {
    if (table.empty() || !cleanprices(table)) return false;
    std::int64_t sum = 0;
    for (const std::string& line : table) sum += featrowcost(line).points.value_or(0);
    state.featpoints = saturate(sum);
    return true;
}

std::int32_t total(const AppState& state) {
    return saturate(std::int64_t{state.attrpoints} + state.skillpoints + state.featpoints);
}

std::string totaltext(const AppState& state) {
    return copywords::kTotal.str() + inttostr(total(state));
}
