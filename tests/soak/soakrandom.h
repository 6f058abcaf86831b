#pragma once

#include <QString>
#include <cstdint>
#include <iterator>
#include <random>
#include <span>

// The soak's one source of chance: the same random start value gives the same events.
class SoakRandom {
public:
    explicit SoakRandom(std::uint64_t start) : engine_(start) {}

    // 0 to n - 1; n > 0.
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }

    // One of `items`, each as likely; `items` is not empty.
    template <typename Items>
    auto& pick(Items& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(std::size(items))))];
    }

    // An index into `weights`, each as likely as its weight.
    int weighted(std::span<const int> weights) {
        int total = 0;
        for (const int w : weights) total += w;
        int roll = below(total);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (roll < weights[i]) return static_cast<int>(i);
            roll -= weights[i];
        }
        return static_cast<int>(weights.size()) - 1;
    }

    QString text(QStringView alphabet, int length) {
        QString text;
        for (int i = 0; i < length; ++i) text += alphabet[below(static_cast<int>(alphabet.size()))];
        return text;
    }

private:
    std::mt19937_64 engine_;
};
