// Times the stages a user waits for on one survey file, for scripts/bench: opening
// (reading and derived quantities), the view's mesh build, and a full repaint of two
// interpolated panels (observed data and errors) on an image at the default zoom.
// Prints the median of the runs of each stage in milliseconds, wall clock.
//
//   stage_times OBS RUNS
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/QtCanvas.h"
#include "survey/DatDoc.h"
#include "survey/OpenSurvey.h"
#include "view/DatView.h"
#include "view/ViewHost.h"

namespace {

using namespace oskava;

double MedianMilliseconds(int runs, const std::function<void()>& stage) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        stage();
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        times.push_back(elapsed.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool Open(CDatDoc& doc, const std::string& path) {
    OpenRequest request;
    request.dataFile = path;
    request.isDC = true;
    return OpenSurvey(doc, request) == OpenOutcome::Opened;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: stage_times OBS RUNS\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const std::string path = argv[1];
    const int runs = std::atoi(argv[2]);
    bench::SilentPrompts prompts;
    bool opened = true;
    const double open = MedianMilliseconds(runs, [&] {
        CDatDoc doc(prompts);
        opened = opened && Open(doc, path);
    });
    CDatDoc doc(prompts);
    HeadlessViewHost host;
    CDatView view(doc, host);
    if (!opened || !Open(doc, path)) {
        std::fprintf(stderr, "stage_times: cannot open %s\n", path.c_str());
        return 1;
    }
    view.ToggleErrors();
    const double mesh = MedianMilliseconds(runs, [&] { view.BuildInterpolationMesh(); });
    view.RefreshErrors();
    QImage image(view.totalSize.cx, view.totalSize.cy, QImage::Format_RGB32);
    const double repaint = MedianMilliseconds(runs, [&] {
        QPainter painter(&image);
        QtCanvas canvas(painter, image.rect());
        view.RenderSurface(canvas);
    });
    std::printf("%.1f %.1f %.1f\n", open, mesh, repaint);
    return 0;
}
