#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Seconds that `work` takes, on the steady clock.
template <typename Work>
double timed(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The median of paired ratios or timings: one burst of load from elsewhere moves it little.
// std::sort, not std::ranges::sort: the benchmark of the page builds this with Debian 12's
// emscripten, whose libc++ lacks the ranges algorithms.
inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
