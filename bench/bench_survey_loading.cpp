// Loading a survey: reading the observation file and deriving everything from it, at
// 1e4, 1e5 and 1e6 data, and the coinciding-location pass on its own.
//
// Counters: "per datum" is the time of one iteration divided by the number of data;
// "peak B/datum" is the growth of the process's peak resident memory during the
// benchmark over its resident memory before it, divided by the number of data.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "BenchSupport.h"
#include "GeneratedSurveys.h"
#include "PeakMemory.h"
#include "survey/CoincidingLocations.h"
#include "survey/DatDoc.h"
#include "survey/Prompts.h"

namespace oskava::bench {
namespace {

SurveyFiles& Files() {
    static SurveyFiles files("oskava-bench", [](size_t count) {
        SurveyShape shape;
        shape.dataCount = count;
        return shape;
    });
    return files;
}

void BM_ReadDataFile(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string& path = Files().DipoleDipole(count);
    SilentPrompts prompts;
    const PeakMemory peak;
    {
        CDatDoc doc(prompts);
        for (auto _ : state) {
            if (!doc.ReadDataFile(path)) {
                state.SkipWithError("the generated survey did not read");
            }
        }
    }
    SetPerDatumCounters(state, count, peak);
}

void BM_ProcessData(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    SilentPrompts prompts;
    CDatDoc doc(prompts);
    doc.ReadDataFile(Files().DipoleDipole(count));
    const PeakMemory peak;
    for (auto _ : state) {
        if (!doc.ProcessData()) {
            state.SkipWithError("the generated survey has wrong-sign data");
        }
    }
    SetPerDatumCounters(state, count, peak);
}

void BM_ReadAndProcess(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string& path = Files().DipoleDipole(count);
    SilentPrompts prompts;
    const PeakMemory peak;
    {
        CDatDoc doc(prompts);
        for (auto _ : state) {
            if (!doc.ReadDataFile(path) || !doc.ProcessData()) {
                state.SkipWithError("the generated survey did not load");
            }
        }
    }
    SetPerDatumCounters(state, count, peak);
}

// The records of a survey with their pseudo-locations and the step ProcessData uses.
struct Located {
    std::vector<Cobs> records;
    double step = 0;
};

Located Locate(std::vector<Cobs> records) {
    Located located;
    double minSeparation = 1e20;
    for (Cobs& r : records) {
        r.SetGeometry({}, {}, false);
        minSeparation = std::min(minSeparation, r.Separation());
    }
    located.records = std::move(records);
    located.step = minSeparation * 0.15;
    return located;
}

void RunCoincidingPass(benchmark::State& state, const Located& located) {
    // Allocated before the memory is measured: the copies below reuse it.
    std::vector<Cobs> records = located.records;
    const PeakMemory peak;
    for (auto _ : state) {
        state.PauseTiming();
        records = located.records;
        state.ResumeTiming();
        MoveCoincidingLocationsApart(records, located.step);
        benchmark::DoNotOptimize(records.data());
    }
    SetPerDatumCounters(state, located.records.size(), peak);
}

// Three dipole lengths and six levels: some pseudo-locations of different arrays meet.
void BM_CoincidingDipoleDipole(benchmark::State& state) {
    SurveyShape shape;
    shape.dataCount = static_cast<size_t>(state.range(0));
    RunCoincidingPass(state, Locate(GenerateSurvey(shape)));
}

// Every quadrupole measured four times, as overlapping roll-along segments give.
void BM_CoincidingRepeated4(benchmark::State& state) {
    SurveyShape shape;
    shape.dataCount = static_cast<size_t>(state.range(0)) / 4;
    RunCoincidingPass(state, Locate(RepeatQuadrupoles(GenerateSurvey(shape), 4)));
}

// Every datum on one pseudo-location: one column of a million steps.
void BM_CoincidingAllOnOneSpot(benchmark::State& state) {
    SurveyShape shape;
    shape.dataCount = 1;
    RunCoincidingPass(
        state, Locate(RepeatQuadrupoles(GenerateSurvey(shape), static_cast<int>(state.range(0)))));
}

}  // namespace

BENCHMARK(BM_ReadDataFile)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessData)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndProcess)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoincidingDipoleDipole)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoincidingRepeated4)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoincidingAllOnOneSpot)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace oskava::bench

BENCHMARK_MAIN();
