// The picture of a survey at 1e4, 1e5 and 1e6 data: one full repaint of the view with
// two interpolated panels (observed data and errors) at the default zoom on an image,
// and what the render command does after opening the survey: paint and encode a PNG.
// The whole render command, opening included, adds BM_OpenAndMap.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "GeneratedSurveys.h"
#include "app/PictureOutput.h"
#include "app/QtCanvas.h"
#include "survey/DatDoc.h"
#include "survey/OpenSurvey.h"
#include "survey/Prompts.h"
#include "view/DatView.h"

namespace oskava::bench {
namespace {

SurveyFiles& Files() {
    static SurveyFiles files("oskava-bench-render", FieldLikeShape);
    return files;
}

// A survey opened in a view as the viewer opens it, with the errors panel shown.
struct OpenedSurvey {
    SilentPrompts prompts;
    CDatDoc doc{prompts};
    HeadlessViewHost host;
    CDatView view{doc, host};

    bool Open(const std::string& path) {
        OpenRequest request;
        request.dataFile = path;
        if (OpenSurvey(doc, request) != OpenOutcome::Opened) {
            return false;
        }
        view.ToggleErrors();
        return view.interpolate && view.secondPanel;
    }
};

void SetPerDatum(benchmark::State& state, size_t count) {
    state.counters["per datum"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_RepaintTwoPanels(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    OpenedSurvey survey;
    if (!survey.Open(Files().DipoleDipole(count))) {
        state.SkipWithError("the generated survey did not open");
        return;
    }
    const Size size = survey.view.totalSize;
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        QtCanvas canvas(painter, image.rect());
        survey.view.RenderSurface(canvas);
    }
    state.counters["pixels"] = static_cast<double>(size.cx) * size.cy;
    SetPerDatum(state, count);
}

void BM_PaintAndWritePng(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    OpenedSurvey survey;
    if (!survey.Open(Files().DipoleDipole(count))) {
        state.SkipWithError("the generated survey did not open");
        return;
    }
    const Size size = survey.view.totalSize;
    for (auto _ : state) {
        const std::string failure =
            WritePicture(Files().Output("picture.png"), PictureFormat::Png, QSize(size.cx, size.cy),
                         [&survey](Canvas& canvas) { survey.view.RenderSurface(canvas); });
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
        }
    }
    SetPerDatum(state, count);
}

// Opening: reading, derived quantities, the view's mapping and the triangulation.
void BM_OpenAndMap(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string& path = Files().DipoleDipole(count);
    for (auto _ : state) {
        OpenedSurvey survey;
        if (!survey.Open(path)) {
            state.SkipWithError("the generated survey did not open");
        }
    }
    SetPerDatum(state, count);
}

}  // namespace

BENCHMARK(BM_RepaintTwoPanels)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintAndWritePng)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndMap)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond);

}  // namespace oskava::bench

int main(int argc, char** argv) {
    // Fonts need a GUI application; the benchmarks need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
