#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue.h"
#include "copyreading.h"
#include "sheettext.h"

// The rows of a copied sheet: cut from their lines in the copy's form, then looked up among
// the entries taken so far and in the catalogue.

// The problems of one reading, the first few only.
class Problems {
public:
    bool full() const { return list_.size() >= kSheetProblemsShown; }
    bool empty() const { return list_.empty(); }
    // `line` is the default Line when the text as a whole is at fault.
    void add(const copyreading::Line& line, std::string what) {
        if (!full()) list_.push_back({line.number, std::string(line.original), std::move(what)});
    }
    std::vector<SheetProblem> take() { return std::move(list_); }

private:
    std::vector<SheetProblem> list_;
};

// "число «3000000000» вне пределов от -2147483648 до 2147483647".
std::string outofrange(std::string_view number);

class RowReader {
public:
    RowReader(const Catalogue& catalogue, Problems& problems);

    // "- Name (сложный): уровень 3 — 12 плюшек" under attribute `table` (0..6).
    void readskill(const copyreading::Line& line, std::size_t table);

    // "- Name: -5 плюшек", "- Name: цена не задана", "- Name: цена «x» не число".
    void readfeature(const copyreading::Line& line);

    // The taken entries the rows stand for, into `sheet`: a problem for a name the catalogue
    // lacks and for an entry that is not branched named a second time.
    void findtaken(SheetDescription& sheet, const SheetWords& words);

    // The rows into the sheet's tables, keyed as the taken entries they stand for.
    void place(SheetDescription& sheet);

private:
    // A row as cut from its line, before its names are looked up.
    struct Row {
        copyreading::Line line;
        // 0..6 for a skill row under that attribute, 7 for a feature row.
        std::size_t table = 0;
        std::string key;
        std::string value;
        std::optional<std::int32_t> unitprice;
        // The key as the copy writes it for a row without one.
        bool nokey = false;
    };

    // What a key names among the entries taken so far: the first taken skill by name (form
    // 0) or by name + " (" + spec + ")" (form 1), keys as `namekey` makes them.
    struct Form {
        std::size_t entry;
        int form;
    };

    std::nullopt_t fail(const copyreading::Line& line, std::string what);
    bool refused(const copyreading::Line& line, std::string what);
    std::optional<Row> skillrow(const copyreading::Line& line, std::size_t table);
    bool readlevel(const copyreading::Line& line, std::string_view& left, Row& row);
    std::string nodifficulty(std::string_view key, std::size_t table);
    std::optional<Row> featrow(const copyreading::Line& line);
    void keep(Row row);
    const copyreading::NameIndex<TSkillRec>& skills();

    void findskill(Row& row, SheetDescription& sheet, const SheetWords& words);
    void findfeat(Row& row, const copyreading::NameIndex<TFeatRec>& index, SheetDescription& sheet);
    void twice(const Row& row, std::string_view name, std::size_t first, bool skill);

    const Catalogue& catalogue_;
    Problems& problems_;
    std::optional<copyreading::NameIndex<TSkillRec>> skills_;
    std::vector<Row> rows_;
    std::unordered_map<std::string, Form> takenkeys_;
    // No key of `takenkeys_` is longer: a row's key of megabytes is not folded to be looked up.
    std::size_t longesttaken_ = 0;
    // The line that took each taken skill, and whether its entry is branched.
    std::vector<std::pair<std::size_t, bool>> takenlines_;
    // The line of each feature that is not branched, by its name's key.
    std::unordered_map<std::string, std::size_t> featlines_;
    // The words of a row, as the writer puts them together.
    const std::string levelsep_;
    const std::string levelopen_;
    const std::string priceopen_;
    const std::string priceunset_;
};
