#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Large, valid catalogues for the benchmarks: Russian names in Windows-1251 of 5 to 40
// bytes, every flag and price combination, now and then a very long line, CR LF line ends.
// The same rng state gives the same bytes on every machine.

// splitmix64: small, fast and fully defined, unlike the standard distributions.
class Rng {
public:
    explicit Rng(std::uint64_t state) : state_(state) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, n); the bias of the modulo does not matter for test data.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(below(static_cast<std::size_t>(high - low + 1)));
    }
    bool chance(std::size_t one_in) { return below(one_in) == 0; }

private:
    std::uint64_t state_;
};

inline constexpr std::size_t kMinNameBytes = 5;
inline constexpr std::size_t kMaxNameBytes = 40;

// A skill or feature name of kMinNameBytes to kMaxNameBytes Windows-1251 bytes: one to a
// few Russian words, the first capitalised, sometimes with a remark in parentheses.
std::string makename(Rng& rng);

// A name of exactly `bytes` bytes made of words, for the long lines.
std::string makelongname(Rng& rng, std::size_t bytes);

struct GenOptions {
    std::size_t bytes = 100'000'000;  // stop after the line that reaches this size
    std::uint64_t rngstate = 1;
    // Each name ends in a word made from its line number, so that no name comes twice, as
    // in a catalogue the checker finds nothing in; the other bytes stay the same.
    bool uniquenames = false;
};

struct GenResult {
    std::size_t bytes = 0;
    std::size_t lines = 0;  // one entry per line
    std::size_t longlines = 0;
};

// The first 84 skill lines go through every attribute, price, branched and special
// combination, the first 54 feature lines through every sign of the three costs with and
// without the branched star; after that they are drawn at random.
GenResult writeskills(const std::filesystem::path& path, const GenOptions& options);
GenResult writefeats(const std::filesystem::path& path, const GenOptions& options);

// The same bytes in memory.
std::string skillsbytes(const GenOptions& options);
std::string featsbytes(const GenOptions& options);
