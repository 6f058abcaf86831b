// Writes a large "skills.res" and "feats.res" into a folder, e.g. to try the program on them:
//   gencatalogues [--megabytes=N] [--random-start=N] [--unique-names] FOLDER
#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>

#include "cataloguegen.h"

namespace {

bool numberoption(std::string_view arg, std::string_view name, std::uint64_t& value) {
    if (!arg.starts_with(name)) return false;
    arg.remove_prefix(name.size());
    const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), value);
    return error == std::errc() && end == arg.data() + arg.size();
}

void report(const char* file, const GenResult& result) {
    std::printf("%s: %zu bytes, %zu lines, %zu long lines\n", file, result.bytes, result.lines,
                result.longlines);
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--megabytes=N] [--random-start=N] [--unique-names] FOLDER\n",
                 program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    GenOptions options;
    std::uint64_t megabytes = 100;
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (numberoption(arg, "--megabytes=", megabytes)) continue;
        if (numberoption(arg, "--random-start=", options.rngstate)) continue;
        if (arg == "--unique-names") {
            options.uniquenames = true;
            continue;
        }
        if (arg.starts_with("-") || folder != nullptr) return usage(argv[0]);
        folder = argv[i];
    }
    if (folder == nullptr) return usage(argv[0]);
    options.bytes = static_cast<std::size_t>(megabytes) * 1'000'000;
    try {
        const std::filesystem::path dir(folder);
        std::filesystem::create_directories(dir);
        report("skills.res", writeskills(dir / "skills.res", options));
        report("feats.res", writefeats(dir / "feats.res", options));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
