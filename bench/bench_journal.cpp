// The journal of edits at 1e6 data: the memory that the entry of a deletion of one
// electrode keeps, beside the memory of the records, and the time of undoing and
// redoing that deletion.
//
// Counters: "entry B" is the growth of the heap in use (mallinfo2) from before the
// deletion to after it, the deletion's transient buffers freed; "records B" the heap
// the survey's records take; "removed" the number of data deleted. Run it from a
// build without sanitizers: they keep their own heap accounts.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "BenchSupport.h"
#include "GeneratedSurveys.h"
#include "editing/DataEdits.h"
#include "editing/EditJournal.h"
#include "survey/DatDoc.h"

namespace oskava::bench {
namespace {

double HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

void BM_UndoRedoElectrodeDeletion(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    SilentPrompts prompts;
    CDatDoc doc(prompts);
    doc.observations = GenerateSurvey(FieldLikeShape(count));
    doc.dataCount = static_cast<int32_t>(doc.observations.size());
    doc.ProcessData();
    doc.dataReady = true;
    // An electrode in the middle of the line, as transmitter and as receiver.
    const double location = doc.observations[count / 2].xm;
    const std::vector<size_t> listed = ElectrodeData(doc.observations, location, true, true);

    const double before = HeapInUse();
    DeleteRecords(doc, listed, edit_name::DeleteElectrode);
    const double entryBytes = HeapInUse() - before;
    for (auto _ : state) {
        doc.Undo();
        doc.Redo();
    }
    state.counters["entry B"] = entryBytes;
    state.counters["records B"] = static_cast<double>(doc.observations.capacity() * sizeof(Cobs));
    state.counters["removed"] = static_cast<double>(listed.size());
}

BENCHMARK(BM_UndoRedoElectrodeDeletion)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
}  // namespace oskava::bench

BENCHMARK_MAIN();
