// The benchmarks of the program's slow paths; run them with scripts/bench.
//   talvira_bench [benchmark flags] [--data-dir=FOLDER] [--megabytes=N]
// The catalogues for the loading benchmarks are generated into FOLDER (default: the build
// tree), N million bytes each (default 100). Windows, ours and those of the start-up
// programs it runs, go to the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "checkbench.h"
#include "codecbench.h"
#include "dialogbench.h"
#include "loadbench.h"
#include "sheettextbench.h"
#include "skillcountbench.h"
#include "startupbench.h"

namespace {

struct Options {
    std::filesystem::path datadir = TALVIRA_BENCH_DATA;
    GenOptions catalogues;
    bool ok = true;
};

bool sizeoption(std::string_view arg, std::size_t& bytes) {
    constexpr std::string_view kName = "--megabytes=";
    if (!arg.starts_with(kName)) return false;
    arg.remove_prefix(kName.size());
    std::size_t megabytes = 0;
    const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), megabytes);
    if (error != std::errc() || end != arg.data() + arg.size()) return false;
    bytes = megabytes * 1'000'000;
    return true;
}

// Takes our own options out of argv, leaving the rest to be reported as unknown.
Options takeoptions(int& argc, char** argv) {
    Options options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--data-dir=")) {
            options.datadir = arg.substr(std::string_view("--data-dir=").size());
        } else if (!sizeoption(arg, options.catalogues.bytes)) {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--load-probe")
        return runloadprobe(argv[2], argv[3]);
    benchmark::Initialize(&argc, argv);
    const Options options = takeoptions(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    registerloadbenchmarks(options.datadir, options.catalogues);
    registercheckbenchmarks(options.datadir, options.catalogues);
    registercodecbenchmarks();
    registerskillcountbenchmarks();
    registersheettextbenchmarks();
    registerdialogbenchmarks();
    registerstartupbenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
