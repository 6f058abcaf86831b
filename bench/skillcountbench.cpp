#include "skillcountbench.h"

#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "catalogue/intsyntax.h"
#include "cataloguegen.h"
#include "sheet/saturate.h"
#include "sheet/sheet.h"
#include "sheet/takenindex.h"
#include "timing.h"

namespace {

constexpr std::size_t kTables = 7;
constexpr std::size_t kRowsPerTable = 2'000;
constexpr std::size_t kTaken = 20'000;
constexpr std::uint64_t kRngState = 2'000'020'000;
constexpr SkillRule kRule = SkillRule::Progressive;
constexpr int kIndexedRunsPerScan = 20;

struct Sheet {
    AppState state;
    std::array<Lines, kTables> tables;

    std::array<const Lines*, kTables> view() const {
        std::array<const Lines*, kTables> pointers{};
        for (std::size_t i = 0; i < kTables; ++i) pointers[i] = &tables[i];
        return pointers;
    }
    std::size_t items() const {
        std::size_t rows = 0;
        for (const Lines& table : tables) rows += table.size();
        return rows + state.takenskills.size();
    }
};

std::int32_t anyprice(Rng& rng) {
    static constexpr std::array<std::int32_t, 3> kPrices{1, 2, 4};
    return kPrices[rng.below(kPrices.size())];
}

std::int32_t otherprice(std::int32_t price) { return price == 4 ? 1 : price * 2; }

// Mostly distinct skills. One in 12 gives the key of an earlier entry again, with another
// unit price, so that only the first match prices its rows right: the same name and spec,
// the earlier display text as a bare name, or the earlier name with a new spec.
TTakenSkill takenentry(Rng& rng, const std::vector<TTakenSkill>& earlier) {
    const std::size_t kind = earlier.empty() ? 99 : rng.below(100);
    if (kind < 8) {
        const TTakenSkill& first = earlier[rng.below(earlier.size())];
        const std::int32_t price = otherprice(first.price);
        if (kind < 4) return {0, price, first.name, first.spec};
        if (kind < 6) return {0, price, displaytext(first), ""};
        return {0, price, first.name, makename(rng)};
    }
    return {0, anyprice(rng), makename(rng), rng.chance(3) ? makename(rng) : ""};
}

// Mostly display texts of taken skills; some bare names, names taken by nobody, empty keys.
std::string rowkey(Rng& rng, const std::vector<TTakenSkill>& taken) {
    const std::size_t kind = rng.below(100);
    if (kind < 3) return "";
    if (kind < 8) return makename(rng);
    const TTakenSkill& skill = taken[rng.below(taken.size())];
    if (kind < 15) return skill.name;
    return displaytext(skill);
}

std::string rowlevel(Rng& rng) {
    const std::string level = inttostr(static_cast<std::int32_t>(rng.between(0, 5)));
    if (rng.chance(20)) return "  " + level;
    if (rng.chance(50)) return "-1";
    if (rng.chance(50)) return "$" + level;
    return level;
}

Sheet makesheet(std::size_t scale) {
    Rng rng(kRngState);
    Sheet sheet;
    auto& taken = sheet.state.takenskills;
    taken.reserve(kTaken * scale);
    for (std::size_t i = 0; i < kTaken * scale; ++i) taken.push_back(takenentry(rng, taken));
    for (Lines& table : sheet.tables) {
        for (std::size_t row = 0; row < kRowsPerTable * scale; ++row)
            table.push_back(joinline(rowkey(rng, taken), rowlevel(rng)));
    }
    return sheet;
}

// The rule as it is written: the name, or name + " (" + spec + ")" built and compared.
bool matchesliterally(const TTakenSkill& taken, std::string_view key) {
    return taken.name == key || taken.name + " (" + taken.spec + ")" == key;
}

// The same without building the text: the length first, then the pieces.
bool matcheslean(const TTakenSkill& taken, std::string_view key) {
    if (taken.name == key) return true;
    const std::size_t n = taken.name.size();
    return key.size() == n + taken.spec.size() + 3 && key.starts_with(taken.name) &&
           key.substr(n, 2) == " (" && key.substr(n + 2, taken.spec.size()) == taken.spec &&
           key.ends_with(')');
}

using Matcher = bool (*)(const TTakenSkill&, std::string_view);

// The straightforward way: for every row, search takenskills from its first entry.
template <Matcher matches>
std::optional<std::size_t> scanfind(const std::vector<TTakenSkill>& taken, std::string_view key) {
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (matches(taken[i], key)) return i;
    }
    return std::nullopt;
}

template <Matcher matches>
void scanskillcount(AppState& state, std::span<const Lines* const> tables, SkillRule rule) {
    std::int64_t sum = 0;
    for (const Lines* table : tables) {
        for (const std::string& line : *table) {
            const auto [key, value] = splitline(line);
            if (key.empty()) continue;
            const auto found = scanfind<matches>(state.takenskills, key);
            if (!found) continue;
            TTakenSkill& taken = state.takenskills[*found];
            taken.level = strtoint(value);
            sum += skillprice(rule, taken.level, taken.price);
        }
    }
    state.skillpoints = saturate(sum);
}

// Every row finds the same entry through the index as through the scan.
void checkfirstmatches(const Sheet& sheet) {
    const TakenIndex index(sheet.state.takenskills);
    for (const Lines& table : sheet.tables) {
        for (const std::string& line : table) {
            const std::string_view key = linekey(line);
            if (!key.empty() &&
                index.find(key) != scanfind<matcheslean>(sheet.state.takenskills, key))
                throw std::runtime_error("another first match for " + std::string(key));
        }
    }
}

// The literal scan, timed once; it must store the same levels and sum as skillcount.
double timeliteralscan(const Sheet& sheet) {
    AppState byscan;
    AppState byindex;
    byscan.takenskills = byindex.takenskills = sheet.state.takenskills;
    const double seconds =
        timed([&] { scanskillcount<matchesliterally>(byscan, sheet.view(), kRule); });
    skillcount(byindex, sheet.view(), kRule);
    if (byscan.skillpoints != byindex.skillpoints) throw std::runtime_error("another sum");
    for (std::size_t i = 0; i < byscan.takenskills.size(); ++i) {
        if (byscan.takenskills[i].level != byindex.takenskills[i].level)
            throw std::runtime_error("another level stored in entry " + std::to_string(i));
    }
    return seconds;
}

// Rows whose key two or more taken skills give, where only the first match is right.
std::size_t sharedkeyrows(const Sheet& sheet) {
    std::unordered_map<std::string, int> givers;
    for (const TTakenSkill& taken : sheet.state.takenskills) {
        ++givers[taken.name];
        const std::string paren = taken.name + " (" + taken.spec + ")";
        if (paren != taken.name) ++givers[paren];
    }
    std::size_t rows = 0;
    for (const Lines& table : sheet.tables) {
        for (const std::string& line : table) {
            const auto found = givers.find(std::string(linekey(line)));
            if (found != givers.end() && found->second > 1) ++rows;
        }
    }
    return rows;
}

void skillcountbenchmark(benchmark::State& state) {
    Sheet sheet = makesheet(static_cast<std::size_t>(state.range(0)));
    const auto view = sheet.view();
    for (auto _ : state) {
        skillcount(sheet.state, view, kRule);
        benchmark::DoNotOptimize(sheet.state.skillpoints);
    }
    const auto items = static_cast<double>(sheet.items());
    state.SetComplexityN(static_cast<std::int64_t>(sheet.items()));
    state.counters["items"] = items;
    state.counters["per_item"] = benchmark::Counter(
        items, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The literal scan once, then rounds of the lean scan beside 20 runs of skillcount.
void versusscanbenchmark(benchmark::State& state) {
    try {
        Sheet sheet = makesheet(1);
        checkfirstmatches(sheet);
        const double literal = timeliteralscan(sheet);
        const auto view = sheet.view();
        double lean = 0;
        double indexed = 0;
        for (auto _ : state) {
            lean += timed([&] { scanskillcount<matcheslean>(sheet.state, view, kRule); });
            double runs = 0;
            for (int i = 0; i < kIndexedRunsPerScan; ++i)
                runs += timed([&] { skillcount(sheet.state, view, kRule); });
            indexed += runs / kIndexedRunsPerScan;
            state.SetIterationTime(runs / kIndexedRunsPerScan);
        }
        const auto rounds = static_cast<double>(state.iterations());
        state.counters["x_faster"] = literal / (indexed / rounds);
        state.counters["x_faster_lean"] = lean / indexed;
        state.counters["literal_ms"] = literal * 1e3;
        state.counters["lean_ms"] = lean / rounds * 1e3;
        state.counters["shared_key_rows"] = static_cast<double>(sharedkeyrows(sheet));
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerskillcountbenchmarks() {
    benchmark::RegisterBenchmark("SkillCount", skillcountbenchmark)
        ->ArgName("scale")
        ->Arg(1)
        ->Arg(4)
        ->Arg(16)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
    // The literal scan takes seconds: three repetitions, whatever the command line asks.
    benchmark::RegisterBenchmark("SkillCountVsScan", versusscanbenchmark)
        ->UseManualTime()
        ->Iterations(3)
        ->Repetitions(3)
        ->Unit(benchmark::kMillisecond);
}
