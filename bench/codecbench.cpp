#include "codecbench.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cataloguegen.h"
#include "codec/cp1251.h"
#include "timing.h"

namespace {

constexpr std::size_t kBytes = 10'000'000;
constexpr std::uint64_t kRngState = 1251;

// Russian words in Windows-1251 with blanks and CR LF line ends, as a catalogue holds them.
std::string cyrillicbytes(std::size_t size) {
    Rng rng(kRngState);
    std::string text;
    text.reserve(size + 2);
    while (text.size() < size) {
        const std::size_t letter = rng.below(66);
        text += letter < 64 ? static_cast<char>(0xC0 + letter) : letter == 64 ? '\xA8' : '\xB8';
        if (rng.chance(7)) text += ' ';
        if (rng.chance(40)) text += "\r\n";
    }
    text.resize(size);
    return text;
}

// Bytes the code page leaves without a character, among letters: each reads as "?".
std::string unreadablebytes() {
    std::string text(kBytes, '\x98');
    for (std::size_t i = 0; i < text.size(); i += 5) text[i] = '\xE0';
    return text;
}

// What invalid UTF-8 becomes, Chinese, emoji and lone surrogate halves: each writes as "?".
std::u16string unwritabletext() {
    const std::u16string_view pieces[] = {u"\uFFFD", u"中", u"\U0001F600", u"\xD800", u"\xDC00"};
    Rng rng(kRngState);
    std::u16string text;
    text.reserve(kBytes / 2 + 2);
    while (text.size() < kBytes / 2) text += pieces[rng.below(std::size(pieces))];
    text.resize(kBytes / 2);
    return text;
}

// Converts `input` (`size` bytes) and copies the same number of bytes, alternately first.
template <typename Convert>
void codecbenchmark(benchmark::State& state, std::size_t size, Convert convert) {
    try {
        if (!cp1251available()) throw std::runtime_error("no Windows-1251 codec");
        const std::string source(size, 'x');
        std::vector<double> ratios;
        for (auto _ : state) {
            double conversion = 0;
            double copy = 0;
            const auto converted = [&] { conversion = timed(convert); };
            const auto copied = [&] {
                copy = timed([&] { benchmark::DoNotOptimize(std::string(source)); });
            };
            if (ratios.size() % 2 == 0) {
                converted();
                copied();
            } else {
                copied();
                converted();
            }
            state.SetIterationTime(conversion);
            ratios.push_back(conversion / copy);
        }
        state.counters["x_copy"] = median(ratios);
        state.counters["MB"] = static_cast<double>(size) / 1e6;
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registercodecbenchmarks() {
    const auto reading = [](std::string (*make)()) {
        return [make](benchmark::State& state) {
            const std::string bytes = make();
            codecbenchmark(state, bytes.size(),
                           [&] { benchmark::DoNotOptimize(cp1251toutf16(bytes)); });
        };
    };
    const auto writing = [](std::u16string (*make)()) {
        return [make](benchmark::State& state) {
            const std::u16string text = make();
            codecbenchmark(state, text.size() * 2,
                           [&] { benchmark::DoNotOptimize(utf16tocp1251(text)); });
        };
    };
    const struct {
        const char* name;
        std::function<void(benchmark::State&)> run;
    } cases[] = {
        {"Codec/read/cyrillic", reading([] { return cyrillicbytes(kBytes); })},
        {"Codec/read/unreadable", reading(unreadablebytes)},
        {"Codec/write/cyrillic", writing([] { return cp1251toutf16(cyrillicbytes(kBytes / 2)); })},
        {"Codec/write/unwritable", writing(unwritabletext)},
    };
    for (const auto& c : cases) {
        benchmark::RegisterBenchmark(c.name, c.run)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
}
