// Importing a survey in pyGIMLi's unified data format: reading it at 1e4 to 1e6 data,
// and the whole import of 1e6 data that the command line does (read, then write the
// observation file and the topography beside it).
//
// Counters: "per datum" is the time of one iteration divided by the number of data;
// "peak B/datum" is the growth of the process's peak resident memory during the
// benchmark over its resident memory before it, divided by the number of data.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "BenchSupport.h"
#include "GeneratedSurveys.h"
#include "PeakMemory.h"
#include "formats/Import.h"

namespace oskava::bench {
namespace {

// The generated unified files, one per size, in a folder removed at the end.
class UnifiedFiles {
  public:
    UnifiedFiles()
        : directory_(std::filesystem::temp_directory_path() /
                     ("oskava-bench-import-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(directory_);
    }
    ~UnifiedFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    const std::string& Of(size_t count) {
        std::string& path = files_[count];
        if (path.empty()) {
            path = (directory_ / ("survey-" + std::to_string(count) + ".ohm")).string();
            WriteUnifiedFile(path, GenerateSurvey(FieldLikeShape(count)));
        }
        return path;
    }
    std::string Output(const std::string& name) const { return (directory_ / name).string(); }

  private:
    std::filesystem::path directory_;
    std::map<size_t, std::string> files_;
};

UnifiedFiles& Files() {
    static UnifiedFiles files;
    return files;
}

void BM_ReadUnified(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string& path = Files().Of(count);
    Progress silent;
    const PeakMemory peak;
    for (auto _ : state) {
        const ImportedSurvey survey = ImportSurvey(path, std::nullopt, false, silent);
        if (!survey.error.empty() || survey.data.size() != count) {
            state.SkipWithError("the generated file did not import");
        }
    }
    SetPerDatumCounters(state, count, peak);
}

void BM_ImportToFile(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string& path = Files().Of(count);
    const std::string output = Files().Output("imported.dat");
    SilentPrompts prompts;
    const PeakMemory peak;
    for (auto _ : state) {
        if (!ImportToFile(path, output, std::nullopt, false, prompts)) {
            state.SkipWithError("the generated file did not import");
        }
    }
    SetPerDatumCounters(state, count, peak);
}

BENCHMARK(BM_ReadUnified)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportToFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace oskava::bench

BENCHMARK_MAIN();
