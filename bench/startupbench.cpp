#include "startupbench.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "childprocess.h"
#include "timing.h"

namespace {

constexpr int kPairsPerRepetition = 20;

// Each child reports its own VmHWM: getrusage() of a child spawned from this process counts
// this process's high-water mark, which the dialog benchmarks have made large.
struct Start {
    double seconds = 0;
    double peakkb = 0;
};

struct Expected {
    std::size_t skills = 0;
    std::size_t feats = 0;
};

// The bundled catalogues as the program is to load them.
Expected bundled() {
    Catalogue catalogue;
    loadcatalogues(catalogue, TALVIRA_CATALOGUES);
    return {catalogue.skilllist.size(), catalogue.featlist.size()};
}

Start startprogram(const Expected& expected) {
    const ChildRun run = runchild({TALVIRA_STARTUP_PROBE}, TALVIRA_CATALOGUES);
    std::size_t skills = 0, feats = 0;
    double peak = 0;
    std::istringstream(run.output) >> skills >> feats >> peak;
    if (skills != expected.skills || feats != expected.feats || peak <= 0)
        throw std::runtime_error("the program reported \"" + run.output + "\"");
    return {run.seconds, peak};
}

Start startminimal() {
    const ChildRun run = runchild({TALVIRA_MINIMAL_WINDOW}, TALVIRA_CATALOGUES);
    double peak = 0;
    std::istringstream(run.output) >> peak;
    if (peak <= 0) throw std::runtime_error("the minimal program reported \"" + run.output + "\"");
    return {run.seconds, peak};
}

struct Pairs {
    std::vector<double> program;
    std::vector<double> minimal;
    std::vector<double> programkb;
    std::vector<double> minimalkb;
    std::vector<double> xtime;
    std::vector<double> xmemory;

    void add(const Start& p, const Start& m) {
        program.push_back(p.seconds);
        minimal.push_back(m.seconds);
        programkb.push_back(p.peakkb);
        minimalkb.push_back(m.peakkb);
        xtime.push_back(p.seconds / m.seconds);
        xmemory.push_back(p.peakkb / m.peakkb);
    }
};

void startupbenchmark(benchmark::State& state) {
    try {
        const Expected expected = bundled();
        // The first runs bring the libraries and fonts into the page cache for both.
        startprogram(expected);
        startminimal();
        Pairs pairs;
        for (auto _ : state) {
            Start program;
            Start minimal;
            if (pairs.xtime.size() % 2 == 0) {
                program = startprogram(expected);
                minimal = startminimal();
            } else {
                minimal = startminimal();
                program = startprogram(expected);
            }
            pairs.add(program, minimal);
            state.SetIterationTime(program.seconds);
        }
        state.counters["x_time"] = median(pairs.xtime);
        state.counters["x_memory"] = median(pairs.xmemory);
        state.counters["program_ms"] = median(pairs.program) * 1e3;
        state.counters["minimal_ms"] = median(pairs.minimal) * 1e3;
        state.counters["program_MB"] = median(pairs.programkb) / 1024;
        state.counters["minimal_MB"] = median(pairs.minimalkb) / 1024;
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerstartupbenchmarks() {
    benchmark::RegisterBenchmark("StartUp", startupbenchmark)
        ->UseManualTime()
        ->Iterations(kPairsPerRepetition)
        ->Unit(benchmark::kMillisecond);
}
