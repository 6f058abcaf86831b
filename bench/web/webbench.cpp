// The page's work timed the same way natively and in WebAssembly under node, for
// scripts/webbench to set one against the other: reading a catalogue from its bytes in
// memory, as the page hands them to the readers, and the selection dialog's logic over a
// large feature list, opened and typed into key by key.
//   webbench read FOLDER [ROUNDS]    skills.res and feats.res of FOLDER
//   webbench dialog FOLDER [ROUNDS]  the first 200,000 lines of FOLDER/feats.res
// Prints one "name value" line per figure: times in milliseconds (the median of the rounds,
// and the first round, which a page pays once) and counts, which must agree between builds.
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/readers.h"
#include "linekeeper.h"
#include "pick/picklogic.h"
#include "sheet/appstate.h"
#include "sheet/w1251.h"
#include "timing.h"

namespace {

constexpr std::size_t kDialogLines = 200'000;
// Typed one key at a time, then Escape, which empties the field and shows every line again.
constexpr auto kTyped = w1251("оруж");

// Read before any clock starts: the page has the bytes before it calls the readers.
std::string filebytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::filesystem::file_size(path), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

void print(std::string_view name, double value) {
    std::printf("%.*s %.4f\n", static_cast<int>(name.size()), name.data(), value);
}

void printtimes(std::string_view name, const std::vector<double>& seconds) {
    print(std::string(name) + "_ms", median(seconds) * 1e3);
    print(std::string(name) + "_first_ms", seconds.front() * 1e3);
}

struct Reader {
    const char* name;
    void (*read)(Catalogue&, std::string_view);
    std::size_t (*entries)(const Catalogue&);
};

constexpr Reader kReaders[] = {
    {"skills", readskills, [](const Catalogue& catalogue) { return catalogue.skilllist.size(); }},
    {"feats", readfeats, [](const Catalogue& catalogue) { return catalogue.featlist.size(); }},
};

// The catalogue is freed after the clock stops: the page keeps it while it is open.
double timeread(const Reader& reader, std::string_view bytes, std::size_t& entries) {
    Catalogue catalogue;
    const double seconds = timed([&] { reader.read(catalogue, bytes); });
    entries = reader.entries(catalogue);
    return seconds;
}

void benchread(const std::filesystem::path& folder, int rounds) {
    const std::string bytes[] = {filebytes(folder / "skills.res"), filebytes(folder / "feats.res")};
    std::vector<double> times[std::size(kReaders)];
    std::size_t entries[std::size(kReaders)] = {};
    for (int round = 0; round < rounds; ++round) {
        // Alternating the order cancels what one reading leaves in the caches for the other.
        for (std::size_t k = 0; k < std::size(kReaders); ++k) {
            const std::size_t i = round % 2 == 0 ? k : std::size(kReaders) - 1 - k;
            times[i].push_back(timeread(kReaders[i], bytes[i], entries[i]));
        }
    }
    for (std::size_t i = 0; i < std::size(kReaders); ++i) {
        printtimes(kReaders[i].name, times[i]);
        print(std::string(kReaders[i].name) + "_entries", static_cast<double>(entries[i]));
        print(std::string(kReaders[i].name) + "_bytes", static_cast<double>(bytes[i].size()));
    }
}

// The first `lines` lines of a catalogue's bytes.
std::string_view firstlines(std::string_view bytes, std::size_t lines) {
    std::size_t end = 0;
    for (std::size_t counted = 0; counted < lines; ++counted) {
        end = bytes.find('\n', end);
        if (end == std::string_view::npos) throw std::runtime_error("too few lines");
        ++end;
    }
    return bytes.substr(0, end);
}

void benchdialog(const std::filesystem::path& folder, int rounds) {
    AppState state;
    const std::string bytes = filebytes(folder / "feats.res");
    readfeats(state.catalogue, firstlines(bytes, kDialogLines));
    if (state.catalogue.featlist.size() != kDialogLines)
        throw std::runtime_error("the first lines read as another number of features");
    state.picksource = PickSource::features();
    LineKeeper view;
    PickLogic logic(state, view, {});
    const std::string_view typed = kTyped;
    std::vector<double> open;
    std::vector<double> typing;
    std::vector<std::vector<double>> keys(typed.size() + 1);
    std::size_t matched = 0;
    for (int round = 0; round < rounds; ++round) {
        open.push_back(timed([&] { logic.FormShow(); }));
        if (view.lines.size() != kDialogLines)
            throw std::runtime_error("the dialog lists another number of lines");
        double sum = 0;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            view.search = typed.substr(0, k < typed.size() ? k + 1 : 0);
            const double seconds = timed([&] { logic.Edit1Change(); });
            keys[k].push_back(seconds);
            sum += seconds;
            if (k + 1 == typed.size()) matched = view.shown.size();
        }
        if (view.shown.size() != kDialogLines)
            throw std::runtime_error("Escape shows another number of lines");
        typing.push_back(sum);
    }
    printtimes("open", open);
    printtimes("typing", typing);
    for (std::size_t k = 0; k < keys.size(); ++k)
        print("key" + std::to_string(k + 1) + "_ms", median(keys[k]) * 1e3);
    print("lines", static_cast<double>(view.lines.size()));
    print("matched", static_cast<double>(matched));
}

int usage() {
    std::fprintf(stderr, "usage: webbench read|dialog FOLDER [ROUNDS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) return usage();
    const std::string_view mode = argv[1];
    int rounds = 11;
    if (argc == 4) {
        const std::string_view arg = argv[3];
        const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), rounds);
        if (error != std::errc() || end != arg.data() + arg.size() || rounds < 1) return usage();
    }
    try {
        if (mode == "read") {
            benchread(argv[2], rounds);
        } else if (mode == "dialog") {
            benchdialog(argv[2], rounds);
        } else {
            return usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "webbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
