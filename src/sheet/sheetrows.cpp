#include "sheetrows.h"

#include "catalogue/intsyntax.h"
#include "copywords.h"
#include "pastesentences.h"

namespace {

using namespace copyreading;

constexpr auto kNoDash = w1251("в конце строки навыка нет « — » и цены");
constexpr auto kBadPrice = w1251("после « — » стоит «");
constexpr auto kPriceWords = w1251(
    "», а ожидалось число плюшек, «цены нет», «нет среди взятых навыков» или «в сумму не "
    "входит»");
constexpr auto kNoLevel =
    w1251("перед « — » нет уровня навыка: ожидалось, например, «: уровень 3»");
constexpr auto kLevelNotNumber = w1251("уровень навыка «");
constexpr auto kNotNumber = w1251("» не число");
constexpr auto kOnlyFor = w1251("» пишется только в строке «");
constexpr auto kOfSkill = w1251("у навыка «");
constexpr auto kNoDifficulty = w1251("» нет сложности в скобках: ожидалось «");
constexpr auto kOr = w1251("» или «");
constexpr auto kFeatNoColon = w1251("перед ценой особенности нет «: »");
constexpr auto kFeatNoPrice = w1251(
    "в конце строки особенности нет цены: ожидалось, например, «: 5 плюшек» или «: цена не "
    "задана»");
constexpr auto kEquals = w1251("знак «=» в названии: в строке таблицы он отделяет значение");
constexpr auto kNoSkill = w1251("в каталоге нет навыка «");
constexpr auto kOfAttr = w1251("» с атрибутом ");
constexpr auto kElsewhere = w1251(": он под атрибутом ");
constexpr auto kNoFeat = w1251("в каталоге нет особенности «");
constexpr auto kSkill = w1251("навык «");
constexpr auto kFeat = w1251("особенность «");
constexpr auto kSkillTwice = w1251("» уже назван в строке ");
constexpr auto kFeatTwice = w1251("» уже названа в строке ");
constexpr auto kOnceSkill = w1251(", а взять его можно только один раз");
constexpr auto kOnceFeat = w1251(", а взять её можно только один раз");
constexpr auto kNumber = w1251("число «");
constexpr auto kOutOfRange = w1251("» вне пределов от -2147483648 до 2147483647");
constexpr auto kClose = w1251("»");

std::string spectext(std::string_view name, std::string_view spec) {
    return std::string(name).append(" (").append(spec).append(")");
}

std::string open(std::string_view word) { return copywords::kOpen.str() + std::string(word); }

}  // namespace

std::string outofrange(std::string_view number) {
    return kNumber.str() + quotedtext(number) + kOutOfRange.str();
}

RowReader::RowReader(const Catalogue& catalogue, Problems& problems)
    : catalogue_(catalogue),
      problems_(problems),
      levelsep_(copywords::kColon.str() + copywords::kLevel.str()),
      levelopen_(levelsep_ + copywords::kOpen.str()),
      priceopen_(copywords::kColon.str() + copywords::kPrice.str() + copywords::kOpen.str()),
      priceunset_(copywords::kColon.str() + copywords::kPrice.str() +
                  copywords::kUnsetPrice.str()) {}

std::nullopt_t RowReader::fail(const Line& line, std::string what) {
    problems_.add(line, std::move(what));
    return std::nullopt;
}

bool RowReader::refused(const Line& line, std::string what) {
    problems_.add(line, std::move(what));
    return false;
}

const NameIndex<TSkillRec>& RowReader::skills() {
    if (!skills_) skills_.emplace(catalogue_.skilllist);
    return *skills_;
}

void RowReader::readskill(const Line& line, std::size_t table) {
    if (auto row = skillrow(line, table)) keep(std::move(*row));
}

void RowReader::readfeature(const Line& line) {
    if (auto row = featrow(line)) keep(std::move(*row));
}

void RowReader::keep(Row row) {
    if (row.key.find('=') != std::string::npos) {
        fail(row.line, kEquals.str());
        return;
    }
    rows_.push_back(std::move(row));
}

// "Name (сложный): уровень 3 — 12 плюшек", from the right end.
std::optional<RowReader::Row> RowReader::skillrow(const Line& line, std::size_t table) {
    Row row{line, table, {}, {}, {}, false};
    const std::string_view body = line.text.substr(copywords::kRowMark.size);
    const std::size_t dash = lastdash(body);
    if (dash == std::string_view::npos) return fail(line, kNoDash.str());
    const std::string_view said = body.substr(dash + copywords::kDash.size);
    std::string_view price = said;
    std::string_view left = body.substr(0, dash);
    const bool priced = cutplushki(price) && price.empty();
    const bool taken = priced || same(said, copywords::kNoPrice);
    row.nokey = same(said, copywords::kNotCounted);
    if (!taken && !row.nokey && !same(said, copywords::kNotTaken))
        return fail(line, kBadPrice.str() + quotedtext(said) + kPriceWords.str());
    if (!readlevel(line, left, row)) return std::nullopt;
    if (row.nokey) {
        if (same(left, copywords::kNoSkill)) return row;
        return fail(line, open(copywords::kNotCounted) + kOnlyFor.str() +
                              copywords::kNoSkill.str() + kClose.str());
    }
    if (taken) {
        row.unitprice = cutdifficulty(left);
        if (!row.unitprice) return fail(line, nodifficulty(left, table));
    }
    row.key = left;
    return row;
}

// ": уровень 3", ": уровень не задан", ": уровень «x» не число" at the end of `left`, cut off.
bool RowReader::readlevel(const Line& line, std::string_view& left, Row& row) {
    if (cutsuffix(left, copywords::kNotNumber)) {
        const std::size_t at = findfirst(left, levelopen_);
        if (at == std::string_view::npos) return refused(line, kNoLevel.str());
        row.value = left.substr(at + levelopen_.size());
        left = left.substr(0, at);
        return true;
    }
    if (cutsuffix(left, copywords::kUnsetLevel)) {
        if (!cutsuffix(left, levelsep_)) return refused(line, kNoLevel.str());
        return true;
    }
    std::string_view rest = left;
    const auto level = cutnumber(rest);
    if (level && cutsuffix(rest, levelsep_)) {
        const auto value = parseint(*level);
        if (!value) return refused(line, outofrange(*level));
        row.value = inttostr(*value);
        left = rest;
        return true;
    }
    const std::size_t at = left.rfind(levelsep_);
    if (at == std::string_view::npos) return refused(line, kNoLevel.str());
    const std::string_view text = left.substr(at + levelsep_.size());
    return refused(line, kLevelNotNumber.str() + quotedtext(text) + kNotNumber.str());
}

// What a taken row lacks: the difficulty of its skill in the catalogue, or any.
std::string RowReader::nodifficulty(std::string_view key, std::size_t table) {
    const auto attr = static_cast<std::uint8_t>(table + 1);
    const auto any = [](const TSkillRec&) { return true; };
    const auto fits = [](std::size_t) { return true; };
    auto found = findkey(
        skills(), key, [attr](const TSkillRec& skill) { return skill.attr == attr; }, any, fits);
    if (!found) found = findkey(skills(), key, any, any, fits);
    std::string wanted;
    if (found) {
        wanted = "(" + difficulty(catalogue_.skilllist[found->entry].price) + ")";
    } else {
        wanted = "(" + difficulty(1) + ")" + kClose.str() + ", " + open("(" + difficulty(2)) + ")" +
                 kOr.str() + "(" + difficulty(4) + ")";
    }
    return kOfSkill.str() + quotedtext(key) + kNoDifficulty.str() + wanted + kClose.str();
}

// "Name: -5 плюшек", "Name: цена не задана", "Name: цена «x» не число".
std::optional<RowReader::Row> RowReader::featrow(const Line& line) {
    Row row{line, 7, {}, {}, {}, false};
    std::string_view left = line.text.substr(copywords::kRowMark.size);
    if (const auto price = cutplushki(left)) {
        if (!cutsuffix(left, copywords::kColon)) return fail(line, kFeatNoColon.str());
        const auto value = parseint(*price);
        if (!value) return fail(line, outofrange(*price));
        row.value = inttostr(*value);
    } else if (cutsuffix(left, copywords::kNotNumber)) {
        const std::size_t at = findfirst(left, priceopen_);
        if (at == std::string_view::npos) return fail(line, kFeatNoPrice.str());
        row.value = left.substr(at + priceopen_.size());
        left = left.substr(0, at);
    } else if (!cutsuffix(left, priceunset_)) {
        return fail(line, kFeatNoPrice.str());
    }
    row.key = left;
    row.nokey = same(left, copywords::kNoName);
    return row;
}

void RowReader::findtaken(SheetDescription& sheet, const SheetWords& words) {
    const NameIndex<TFeatRec> feats(catalogue_.featlist);
    takenkeys_.reserve(2 * rows_.size());
    for (Row& row : rows_) {
        if (problems_.full()) return;
        if (row.table == 7) {
            findfeat(row, feats, sheet);
        } else if (row.unitprice) {
            findskill(row, sheet, words);
        }
    }
}

void RowReader::twice(const Row& row, std::string_view name, std::size_t first, bool skill) {
    std::string what = skill ? kSkill.str() : kFeat.str();
    what += quotedtext(name);
    what += skill ? kSkillTwice.str() : kFeatTwice.str();
    what += std::to_string(first);
    what += skill ? kOnceSkill.str() : kOnceFeat.str();
    fail(row.line, std::move(what));
}

void RowReader::findskill(Row& row, SheetDescription& sheet, const SheetWords& words) {
    const auto known =
        row.key.size() > longesttaken_ ? takenkeys_.end() : takenkeys_.find(namekey(row.key));
    if (known != takenkeys_.end()) {
        const TTakenSkill& taken = sheet.takenskills[known->second.entry];
        const auto [first, branched] = takenlines_[known->second.entry];
        if (!branched) return twice(row, taken.name, first, true);
        row.key = known->second.form == 0 ? taken.name : spectext(taken.name, taken.spec);
        return;
    }
    const auto attr = static_cast<std::uint8_t>(row.table + 1);
    const auto& list = catalogue_.skilllist;
    const auto branched = [](const TSkillRec& skill) { return skill.branched == 1; };
    const auto found = findkey(
        skills(), row.key, [attr](const TSkillRec& skill) { return skill.attr == attr; }, branched,
        [&](std::size_t entry) { return list[entry].price == row.unitprice; });
    if (!found) {
        std::string what =
            kNoSkill.str() + quotedtext(row.key) + kOfAttr.str() + words.attributes[row.table];
        // Under another attribute: the whole key, or its name before the first " (".
        const auto any = [](const TSkillRec&) { return true; };
        auto other = skills().first(row.key, any);
        const std::size_t cut = row.key.find(" (");
        if (!other && cut != std::string::npos) other = skills().first(row.key.substr(0, cut), any);
        const std::uint8_t at = other ? list[*other].attr : 0;
        if (at >= 1 && at <= words.attributes.size())
            what += kElsewhere.str() + words.attributes[at - 1];
        fail(row.line, std::move(what));
        return;
    }
    const TSkillRec& skill = list[found->entry];
    TTakenSkill taken{parseint(row.value).value_or(0), skill.price, std::string(skill.name), {}};
    if (found->namesize < row.key.size())
        taken.spec = row.key.substr(found->namesize + 2, row.key.size() - found->namesize - 3);
    row.key = taken.spec.empty() && found->namesize == row.key.size()
                  ? taken.name
                  : spectext(taken.name, taken.spec);
    const std::size_t entry = sheet.takenskills.size();
    takenkeys_.try_emplace(namekey(taken.name), Form{entry, 0});
    const auto [key, fresh] =
        takenkeys_.try_emplace(namekey(spectext(taken.name, taken.spec)), Form{entry, 1});
    longesttaken_ = std::max(longesttaken_, key->first.size());
    takenlines_.emplace_back(row.line.number, skill.branched == 1);
    sheet.takenskills.push_back(std::move(taken));
}

void RowReader::findfeat(Row& row, const NameIndex<TFeatRec>& index, SheetDescription& sheet) {
    if (row.key.empty()) return;
    const auto& feats = catalogue_.featlist;
    const auto found = findkey(
        index, row.key, [](const TFeatRec&) { return true; },
        [](const TFeatRec& feat) { return feat.branched != 0; }, [](std::size_t) { return true; });
    if (!found) {
        if (row.nokey) {
            row.key.clear();
        } else {
            fail(row.line, kNoFeat.str() + quotedtext(row.key) + kClose.str());
        }
        return;
    }
    const TFeatRec& feat = feats[found->entry];
    if (feat.branched == 0) {
        const auto [at, fresh] = featlines_.try_emplace(namekey(feat.name), row.line.number);
        if (!fresh) return twice(row, feat.name, at->second, false);
    }
    TTakenFeat taken{std::string(feat.name), {}, parseint(row.value).value_or(0)};
    if (found->namesize < row.key.size())
        taken.spec = row.key.substr(found->namesize + 2, row.key.size() - found->namesize - 3);
    row.key = displaytext(taken);
    sheet.takenfeats.push_back(std::move(taken));
}

void RowReader::place(SheetDescription& sheet) {
    for (Row& row : rows_) {
        if (row.table < 7) {
            sheet.skills[row.table].push_back(
                {std::move(row.key), std::move(row.value), row.unitprice});
        } else {
            sheet.features.push_back({std::move(row.key), std::move(row.value)});
        }
    }
}
