// Growth of the process's peak resident memory over a stretch of a benchmark, and the
// counters that give it and the time per datum.
#pragma once

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace oskava::bench {

inline long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key) {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

// Peak resident memory over a stretch of the benchmark: Linux restarts the peak from
// the current resident size when "5" is written to clear_refs.
class PeakMemory {
  public:
    PeakMemory() {
        std::ofstream("/proc/self/clear_refs") << "5";
        before_ = StatusKilobytes("VmRSS:");
    }
    double GrowthBytes() const { return 1024.0 * (StatusKilobytes("VmHWM:") - before_); }

  private:
    long before_ = 0;
};

inline void SetPerDatumCounters(benchmark::State& state, size_t count, const PeakMemory& peak) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
    state.counters["per datum"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak B/datum"] = peak.GrowthBytes() / static_cast<double>(count);
}

}  // namespace oskava::bench
