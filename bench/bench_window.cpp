// The window on Qt's offscreen platform: from start-up with a survey of 1e4 or 1e5 data
// on the command line to the first painted view, and at 1e5 and 1e6 data one scroll
// step of 100 pixels (the blit and the repaint of the strip it uncovers) with two
// interpolated panels (observed data and errors).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QScrollBar>
#include <memory>

#include "BenchSupport.h"
#include "GeneratedSurveys.h"
#include "app/DatApp.h"
#include "app/MainFrame.h"
#include "app/ViewWidget.h"
#include "survey/CommandIds.h"

namespace oskava::bench {
namespace {

SurveyFiles& Files() {
    static SurveyFiles files("oskava-bench-window", FieldLikeShape);
    return files;
}

/// Counts the paint events of a widget and the pixels they cover.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;
    qint64 pixels = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
                pixels += qint64(r.width()) * r.height();
            }
        }
        return false;
    }
};

void WaitForPaint(const PaintCounter& counter, int paints) {
    while (counter.paints < paints) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    const std::string path = Files().DipoleDipole(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        CDatApp app;
        PaintCounter counter(*app.MainFrame().ViewWidget().viewport());
        if (app.InitInstance({path})) {
            state.SkipWithError("the survey did not open");
            return;
        }
        WaitForPaint(counter, 1);
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ScrollStep(benchmark::State& state) {
    CDatApp app;
    if (app.InitInstance({Files().DipoleDipole(static_cast<size_t>(state.range(0)))})) {
        state.SkipWithError("the survey did not open");
        return;
    }
    CMainFrame& frame = app.MainFrame();
    frame.RunCommand(command::Errors);
    for (int i = 0; i < 6; ++i) {
        frame.RunCommand(command::ZoomIn);  // a surface wider than the window
    }
    CViewWidget& widget = frame.ViewWidget();
    PaintCounter counter(*widget.viewport());
    WaitForPaint(counter, 1);
    QScrollBar& bar = *widget.horizontalScrollBar();
    if (bar.maximum() < 200) {
        state.SkipWithError("nothing to scroll");
        return;
    }
    int step = 100;
    for (auto _ : state) {
        if (bar.value() + step > bar.maximum() || bar.value() + step < 0) {
            step = -step;
        }
        counter.pixels = 0;
        bar.setValue(bar.value() + step);
        WaitForPaint(counter, counter.paints + 1);
    }
    state.counters["strip px"] = static_cast<double>(counter.pixels);
    state.counters["window px"] = widget.viewport()->width() * widget.viewport()->height();
}
BENCHMARK(BM_ScrollStep)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace oskava::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
