#include "checkbench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/readers.h"
#include "check/run.h"
#include "timing.h"

namespace {

struct CheckCase {
    const char* file;
    const char* option;
    void (*load)(Catalogue&, FileBytes);
};

constexpr CheckCase kCases[] = {
    {"skills.res", "--skills", loadskills},
    {"feats.res", "--feats", loadfeats},
};

class UniqueFiles {
public:
    UniqueFiles(std::filesystem::path dir, GenOptions options)
        : dir_(std::move(dir)), options_(options) {
        options_.uniquenames = true;
    }

    std::filesystem::path path(const CheckCase& c) {
        std::call_once(once_, [this] {
            std::filesystem::create_directories(dir_);
            writeskills(dir_ / "skills.res", options_);
            writefeats(dir_ / "feats.res", options_);
        });
        return dir_ / c.file;
    }

private:
    std::filesystem::path dir_;
    GenOptions options_;
    std::once_flag once_;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The whole command, talvira-check's main() but for its streams: what it prints goes to
// `out`, which is then checked to say that nothing was found.
double timecheck(const CheckCase& c, const std::filesystem::path& file) {
    const File out(std::tmpfile());
    if (!out) throw std::runtime_error("no temporary file");
    const std::string path = file.string();
    const std::vector<std::string_view> args = {c.option, path};
    int status = -1;
    const double seconds =
        timed([&] { status = runcheck(args, Language::English, out.get(), out.get()); });
    std::rewind(out.get());
    char printed[64] = {};
    std::fread(printed, 1, sizeof printed - 1, out.get());
    if (status != 0 || std::string_view(printed) != "0 errors, 0 warnings\n")
        throw std::runtime_error("the check of " + path + " said: " + printed);
    return seconds;
}

// The catalogue is freed after the clock stops, as in the load benchmarks.
double timeload(const CheckCase& c, const std::filesystem::path& file) {
    Catalogue catalogue;
    return timed([&] { c.load(catalogue, readfile(file)); });
}

void checkbenchmark(benchmark::State& state, const CheckCase& c, UniqueFiles& data) {
    try {
        const std::filesystem::path file = data.path(c);
        timeload(c, file);  // warms the page cache
        std::vector<double> ratios;
        double loads = 0;
        for (auto _ : state) {
            // Alternating the order cancels what one leaves in the caches for the other.
            double load = 0;
            double check = 0;
            if (ratios.size() % 2 == 0) {
                load = timeload(c, file);
                check = timecheck(c, file);
            } else {
                check = timecheck(c, file);
                load = timeload(c, file);
            }
            ratios.push_back(check / load);
            loads += load;
            state.SetIterationTime(check);
        }
        state.counters["x_load"] = median(ratios);
        state.counters["load_ms"] = loads / static_cast<double>(state.iterations()) * 1e3;
        state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registercheckbenchmarks(const std::filesystem::path& datadir, GenOptions options) {
    const auto data = std::make_shared<UniqueFiles>(datadir / "unique", options);
    const char* const names[] = {"CheckSkills", "CheckFeats"};
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const CheckCase& c = kCases[i];
        benchmark::RegisterBenchmark(
            names[i], [&c, data](benchmark::State& state) { checkbenchmark(state, c, *data); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
}
