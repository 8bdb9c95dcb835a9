#pragma once
// Timing of single calls and the order statistics reported from them.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

namespace morvane::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsBetween(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double>(end - start).count();
}

// The sample below which the given fraction of the samples lie (0.5: the median), taken
// from the sorted samples at position fraction * (n - 1), rounded up. 0 for no samples.
inline double Percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) return 0;
    const auto last = static_cast<double>(samples.size() - 1);
    auto position = static_cast<std::size_t>(fraction * last + 0.999999);
    position = std::min(position, samples.size() - 1);
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(position), samples.end());
    return samples[position];
}

inline double Median(std::vector<double> samples) { return Percentile(std::move(samples), 0.5); }

}  // namespace morvane::bench
