#include "sheettextbench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/intsyntax.h"
#include "cataloguegen.h"
#include "properties.h"
#include "sheet/sheetlogic.h"
#include "sheet/sheettext.h"
#include "sheet/w1251.h"
#include "timing.h"

namespace {

constexpr std::uint64_t kRngState = 24;

const Catalogue& bundled() {
    static const Catalogue catalogue = [] {
        Catalogue loaded;
        loadcatalogues(loaded, TALVIRA_CATALOGUES);
        return loaded;
    }();
    return catalogue;
}

// A sheet of the bundled catalogues, taken at random until its copy holds about `size`
// bytes: every branched entry with a spec of its own, so that the taken list grows with the
// rows; an entry that is not branched once, as the dialog hides it once taken.
std::string validsheet(std::size_t size) {
    Rng rng(kRngState);
    const Catalogue& catalogue = bundled();
    std::set<std::string_view> skillsonce;
    std::set<std::string_view> featsonce;
    SheetSnapshot shot;
    shot.prices = {AttrRule::Start1Progressive, SkillRule::Progressive};
    for (std::string& text : shot.attrtexts)
        text = inttostr(static_cast<std::int32_t>(rng.between(1, 5)));
    for (std::size_t bytes = 0; bytes < size;) {
        std::string key;
        if (rng.chance(4)) {
            const TFeatRec& feat = catalogue.featlist[rng.below(catalogue.featlist.size())];
            if (!feat.branched && !featsonce.insert(feat.name).second) continue;
            TTakenFeat taken{std::string(feat.name), feat.branched ? makename(rng) : "",
                             static_cast<std::int32_t>(rng.between(-70, 70))};
            key = joinline(displaytext(taken), inttostr(taken.price));
            shot.tables[7].push_back(key);
            shot.takenfeats.push_back(std::move(taken));
        } else {
            const TSkillRec& skill = catalogue.skilllist[rng.below(catalogue.skilllist.size())];
            if (skill.attr < 1 || skill.attr > 7) continue;
            if (skill.branched != 1 && !skillsonce.insert(skill.name).second) continue;
            TTakenSkill taken{static_cast<std::int32_t>(rng.between(0, 5)), skill.price,
                              std::string(skill.name), skill.branched == 1 ? makename(rng) : ""};
            key = joinline(displaytext(taken), inttostr(taken.level));
            shot.tables[skill.attr - 1].push_back(key);
            shot.takenskills.push_back(std::move(taken));
        }
        bytes += key.size() + 30;
    }
    return copyof(std::move(shot)).text;
}

// The valid sheet's lines without its rows, and under its first attribute one row whose
// name is `size` bytes of the copy's separators, words and parentheses in random order:
// every scan of a row and every look-up of a name's cuts runs over all of it.
std::string garbagerow(std::size_t size) {
    const std::string valid = validsheet(1'000);
    std::string text;
    for (std::size_t at = 0; at < valid.size();) {
        const std::size_t end = valid.find('\n', at) + 1;
        if (valid.compare(at, 2, "- ") != 0) text.append(valid, at, end - at);
        at = end;
    }
    const std::size_t firstattr = text.find("\n\n") + 2;
    std::string row = "- ";
    // No "=": a name with it is refused before it is looked up.
    const std::string pieces[] = {" (",
                                  ")",
                                  ": ",
                                  w1251(" — ").str(),
                                  w1251("«").str(),
                                  w1251("уровень ").str(),
                                  w1251("» не число").str(),
                                  "(",
                                  w1251("\xC2\xA0").str(),
                                  w1251("Лук").str(),
                                  "-",
                                  "7"};
    Rng rng(kRngState);
    while (row.size() < size) row += pieces[rng.below(std::size(pieces))];
    row += w1251(" (обычный): уровень 1 — 1 плюшка\n").str();
    return text.insert(text.find('\n', firstattr) + 1, row);
}

// The valid sheet's lines without its rows, and under its first attribute rows of the copy's
// separators and words in random order until the text holds about `size` bytes: a text of
// many rows none of which reads.
std::string garbagerows(std::size_t size) {
    const std::string row = garbagerow(size);
    const std::size_t start = row.find("\n- ") + 1;
    const std::size_t end = row.find('\n', start);
    std::string text = row.substr(0, start);
    Rng rng(kRngState);
    for (std::size_t at = start + 2; at < end;) {
        const std::size_t length = static_cast<std::size_t>(rng.between(20, 120));
        text.append("- ").append(row, at, std::min(length, end - at)).append("\n");
        at += length;
    }
    return text.append(row, end + 1);
}

// Bytes of any value, line ends among them.
std::string garbagebytes(std::size_t size) {
    Rng rng(kRngState);
    std::string text(size, '\0');
    for (char& c : text) c = static_cast<char>(rng.below(256));
    return text;
}

// What any reader of the text must do at least: look at every byte once.
std::size_t linescan(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
           static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
}

// What a paste answers, from the clipboard's bytes to the box's text: the problems of a
// refused text, or the notes that follow a sheet that went in.
std::string pasteanswer(const std::string& text, const Catalogue& catalogue) {
    const SheetParse parse = parsesheet(text, catalogue, sheetwords());
    if (!parse.sheet) return pasteproblemstext(parse.problems);
    std::string box;
    for (const std::string& note : parse.notes) box.append(note).append("\n");
    return box;
}

// Each round times the scan, the parser and the whole answer side by side; the round's time
// is the answer's (`answer`) or the parser's.
void sheettextbenchmark(benchmark::State& state, std::string (*make)(std::size_t), bool valid,
                        bool answer) {
    try {
        const std::string text = make(static_cast<std::size_t>(state.range(0)) * 1'000'000);
        const Catalogue& catalogue = bundled();
        if (parsesheet(text, catalogue, sheetwords()).sheet.has_value() != valid)
            throw std::runtime_error(valid ? "the sheet does not read" : "the garbage reads");
        std::vector<double> byscan;
        std::vector<double> byparse;
        for (auto _ : state) {
            std::size_t lines = 0;
            const double scan = timed([&] { lines = linescan(text); });
            benchmark::DoNotOptimize(lines);
            const double parse =
                timed([&] { benchmark::DoNotOptimize(parsesheet(text, catalogue, sheetwords())); });
            const double whole =
                timed([&] { benchmark::DoNotOptimize(pasteanswer(text, catalogue)); });
            state.SetIterationTime(answer ? whole : parse);
            byscan.push_back((answer ? whole : parse) / scan);
            byparse.push_back(whole / parse);
        }
        state.counters["x_scan"] = median(byscan);
        if (answer) state.counters["x_parse"] = median(byparse);
        state.counters["megabytes"] = static_cast<double>(text.size()) / 1e6;
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registersheettextbenchmarks() {
    const struct {
        const char* name;
        std::string (*make)(std::size_t);
        bool valid;
    } cases[] = {
        {"valid", validsheet, true},
        {"garbagerow", garbagerow, false},
        {"garbagerows", garbagerows, false},
        {"garbagebytes", garbagebytes, false},
    };
    for (const bool answer : {false, true}) {
        for (const auto& c : cases) {
            const std::string name =
                (answer ? "PasteAnswer/" : "ParseSheet/") + std::string(c.name);
            benchmark::RegisterBenchmark(name.c_str(), sheettextbenchmark, c.make, c.valid, answer)
                ->ArgName("megabytes")
                ->Arg(1)
                ->Arg(10)
                ->UseManualTime()
                ->Iterations(5)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
