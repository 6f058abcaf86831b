#include "loadbench.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/readers.h"
#include "childprocess.h"
#include "filedescriptor.h"
#include "timing.h"

namespace {

using Clock = std::chrono::steady_clock;

struct LoadCase {
    const char* kind;
    const char* file;
    void (*load)(Catalogue&, FileBytes);
    std::size_t (*entries)(const Catalogue&);
};

constexpr LoadCase kCases[] = {
    {"skills", "skills.res", loadskills,
     [](const Catalogue& catalogue) { return catalogue.skilllist.size(); }},
    {"feats", "feats.res", loadfeats,
     [](const Catalogue& catalogue) { return catalogue.featlist.size(); }},
};

const LoadCase& loadcase(std::string_view kind) {
    for (const LoadCase& c : kCases) {
        if (kind == c.kind) return c;
    }
    throw std::invalid_argument("no catalogue kind " + std::string(kind));
}

// Both catalogues, written once per run; writing them also leaves them in the page cache.
class DataFiles {
public:
    DataFiles(std::filesystem::path dir, const GenOptions& options)
        : dir_(std::move(dir)), options_(options) {}

    std::filesystem::path path(const LoadCase& c) const { return dir_ / c.file; }

    // The number of entries, which is the number of lines, of the catalogue of `c`.
    std::size_t lines(const LoadCase& c) {
        std::call_once(once_, [this] {
            std::filesystem::create_directories(dir_);
            skills_ = writeskills(dir_ / "skills.res", options_).lines;
            feats_ = writefeats(dir_ / "feats.res", options_).lines;
        });
        return std::string_view(c.kind) == "skills" ? skills_ : feats_;
    }

private:
    std::filesystem::path dir_;
    GenOptions options_;
    std::once_flag once_;
    std::size_t skills_ = 0;
    std::size_t feats_ = 0;
};

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void expectcount(const char* what, std::size_t expected, std::size_t got) {
    if (got == expected) return;
    throw std::runtime_error(std::string(what) + " counted " + std::to_string(got) +
                             " instead of " + std::to_string(expected));
}

double timewc(const std::filesystem::path& file, std::size_t lines) {
    const ChildRun run = runchild({"wc", "-l", file.string()});
    std::size_t counted = 0;
    std::istringstream(run.output) >> counted;
    expectcount("wc -l", lines, counted);
    return run.seconds;
}

// The in-process equivalent of `wc -l`: memchr over read() in 128 KiB chunks.
double timelinecount(const std::filesystem::path& file, std::size_t lines) {
    const auto start = Clock::now();
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw std::runtime_error("cannot open " + file.string());
    static char buffer[128 * 1024];
    std::size_t counted = 0;
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got <= 0) break;
        const char* p = buffer;
        const char* const end = buffer + got;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr) {
            ++counted;
            ++p;
        }
    }
    const double seconds = since(start);
    expectcount("line count", lines, counted);
    return seconds;
}

// The catalogue is freed after the clock stops: the program keeps it for its whole run.
double timeload(const LoadCase& c, const std::filesystem::path& file, std::size_t lines) {
    Catalogue catalogue;
    const auto start = Clock::now();
    c.load(catalogue, readfile(file));
    const double seconds = since(start);
    expectcount(c.file, lines, c.entries(catalogue));
    return seconds;
}

// The load's peak resident memory above what the fresh process held before it, in bytes.
double peakmemory(const LoadCase& c, const std::filesystem::path& file, std::size_t lines) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const ChildRun run = runchild({self, "--load-probe", c.kind, file.string()});
    std::size_t before = 0, peak = 0, entries = 0;
    std::istringstream(run.output) >> before >> peak >> entries;
    expectcount(c.file, lines, entries);
    return static_cast<double>(peak - before) * 1024;
}

struct Round {
    double load = 0;
    double wc = 0;
    double linecount = 0;
};

// Each load is set against the wc -l and the line count run right beside it, so that a
// burst of load from elsewhere on the machine hits both sides of a ratio.
Round timeround(const LoadCase& c, const std::filesystem::path& file, std::size_t lines,
                bool loadfirst) {
    Round round;
    if (loadfirst) {
        round.load = timeload(c, file, lines);
        round.wc = timewc(file, lines);
    } else {
        round.wc = timewc(file, lines);
        round.load = timeload(c, file, lines);
    }
    round.linecount = timelinecount(file, lines);
    return round;
}

void loadbenchmark(benchmark::State& state, const LoadCase& c, DataFiles& data) {
    try {
        const std::size_t lines = data.lines(c);
        const std::filesystem::path file = data.path(c);
        timewc(file, lines);  // warms the page cache
        std::vector<double> xwc;
        std::vector<double> xmemchr;
        double wc = 0;
        double linecount = 0;
        for (auto _ : state) {
            // Alternating the order cancels what one leaves in the caches for the other.
            const Round round = timeround(c, file, lines, xwc.size() % 2 == 0);
            xwc.push_back(round.load / round.wc);
            xmemchr.push_back(round.load / round.linecount);
            wc += round.wc;
            linecount += round.linecount;
            state.SetIterationTime(round.load);
        }
        const auto bytes = static_cast<double>(std::filesystem::file_size(file));
        const auto rounds = static_cast<double>(state.iterations());
        state.counters["x_wc"] = median(xwc);
        state.counters["x_memchr"] = median(xmemchr);
        state.counters["wc_ms"] = wc / rounds * 1e3;
        state.counters["memchr_ms"] = linecount / rounds * 1e3;
        state.counters["peak_x_size"] = peakmemory(c, file, lines) / bytes;
        state.counters["MB"] = bytes / 1e6;
        state.counters["lines"] = static_cast<double>(lines);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

std::size_t statuskb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(prefix)) return std::stoul(line.substr(prefix.size()));
    }
    throw std::runtime_error(std::string("no ") + field + " in /proc/self/status");
}

}  // namespace

void registerloadbenchmarks(const std::filesystem::path& datadir, const GenOptions& options) {
    const auto data = std::make_shared<DataFiles>(datadir, options);
    const char* const names[] = {"LoadSkills", "LoadFeats"};
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const LoadCase& c = kCases[i];
        benchmark::RegisterBenchmark(
            names[i], [&c, data](benchmark::State& state) { loadbenchmark(state, c, *data); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
}

int runloadprobe(std::string_view kind, const std::filesystem::path& file) {
    try {
        const LoadCase& c = loadcase(kind);
        const std::size_t before = statuskb("VmRSS");
        Catalogue catalogue;
        c.load(catalogue, readfile(file));
        const std::size_t peak = statuskb("VmHWM");
        std::printf("%zu %zu %zu\n", before, peak, c.entries(catalogue));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
