// oskava-data render: exit statuses, refusals, and pictures whose pixels agree with
// the view's own drawing of the same survey in the same state.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>

#include "support/RunCli.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/CFormat.h"
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"
#include "survey/OpenSurvey.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

const std::string kExamples = OSKAVA_EXAMPLES_DIR;
const std::string kDipoleDipole = kExamples + "/dipole-dipole.dat";

// The survey opened in a view as the tool opens it, so that a test can bring the view
// into a state with the viewer's commands and record what it draws.
struct ReferenceView {
    test::ScriptedPrompts prompts;
    CDatDoc doc{prompts};
    HeadlessViewHost host;
    CDatView view{doc, host};

    std::string path;

    explicit ReferenceView(const std::string& file, const std::string& predicted = "")
        : path(file) {
        OpenRequest request;
        request.dataFile = path;
        request.isDC = true;
        request.predictedFile = predicted;
        EXPECT_EQ(OpenSurvey(doc, request), OpenOutcome::Opened);
    }
    void Run(int id) {
        ASSERT_TRUE(view.Commands().State(id).enabled) << id;
        view.Commands().Execute(id);
    }
    RecordingCanvas Record() {
        RecordingCanvas canvas(Rect{0, 0, view.totalSize.cx, view.totalSize.cy});
        view.RenderSurface(canvas);
        return canvas;
    }
};

bool Contains(const Rect& r, int x, int y, int margin = 0) {
    return x >= std::min(r.left, r.right) - margin && x < std::max(r.left, r.right) + margin &&
           y >= std::min(r.top, r.bottom) - margin && y < std::max(r.top, r.bottom) + margin;
}

/// Compares the picture with the recording at the centre pixel of every solid fill
/// (image cells, colour-bar cells) that no line or shape comes near: the pixel must
/// have the colour of the last fill over it. Returns the number of pixels compared.
int CompareFills(const QImage& picture, const RecordingCanvas& recording) {
    std::vector<Rect> inked;  // where lines and shapes may have put pixels
    for (const CanvasCall& call : recording.calls) {
        if (call.kind == CanvasCall::Kind::Line) {
            inked.push_back(Rect{std::min(call.from.x, call.to.x), std::min(call.from.y, call.to.y),
                                 std::max(call.from.x, call.to.x) + 1,
                                 std::max(call.from.y, call.to.y) + 1});
        } else if (call.kind == CanvasCall::Kind::Ellipse ||
                   call.kind == CanvasCall::Kind::Rectangle) {
            inked.push_back(call.rect);
        }
    }
    const std::vector<CanvasCall> fills = recording.CallsOf(CanvasCall::Kind::FillRect);
    int compared = 0;
    for (const CanvasCall& fill : fills) {
        const int x = (fill.rect.left + fill.rect.right - 1) / 2;
        const int y = (fill.rect.top + fill.rect.bottom - 1) / 2;
        if (!Contains(fill.rect, x, y) ||
            std::any_of(inked.begin(), inked.end(),
                        [&](const Rect& r) { return Contains(r, x, y, 3); })) {
            continue;
        }
        Colour expected = 0;
        for (const CanvasCall& other : fills) {
            expected = Contains(other.rect, x, y) ? other.colour : expected;
        }
        EXPECT_EQ(picture.pixel(x, y) & 0xffffff,
                  qRgb(RedOf(expected), GreenOf(expected), BlueOf(expected)) & 0xffffff)
            << "at " << x << "," << y << " " << fill.ToString();
        ++compared;
    }
    return compared;
}

/// Renders with the options and compares the PNG with the reference view's drawing.
void ExpectPictureOfView(std::vector<std::string> options, ReferenceView& reference,
                         int minimumCompared) {
    test::TempDir dir;
    const std::string png = (dir.path() / "picture.png").string();
    options.insert(options.begin(), {"render", reference.path, "-o", png});
    const test::CliResult result = test::RunCli(options);
    ASSERT_EQ(result.status, 0) << result.err;
    const QImage picture =
        QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    const Size size = reference.view.totalSize;
    ASSERT_EQ(picture.size(), QSize(size.cx, size.cy));
    EXPECT_EQ(picture.pixel(0, 0) & 0xffffff, 0xffffffu);
    EXPECT_EQ(picture.pixel(size.cx - 1, size.cy - 1) & 0xffffff, 0xffffffu);
    EXPECT_GE(CompareFills(picture, reference.Record()), minimumCompared);
}

TEST(RenderCommand, PredictedPanelWithItsRangeIsTheViewsSurface) {
    // Panel 2's range as the Min / Max dialog shows the predicted panel: resistivity in
    // ohm-m. Without the outlines the image cells are compared too.
    const std::string predicted = kExamples + "/tarnel.pre";
    ReferenceView reference(kDipoleDipole, predicted);
    ASSERT_TRUE(reference.view.showPredicted);
    reference.Run(command::DataPoints);
    test::ScriptedPrompts::MinMaxEdit edit{DialogResult::Ok, reference.view.RangeFields()};
    edit.fields.min2 = 20;
    edit.fields.max2 = 300;
    reference.prompts.minMaxEdits.push_back(edit);
    reference.Run(command::MinMax);
    ExpectPictureOfView({"--pre", predicted, "--no-points", "--range2", "20", "300"}, reference,
                        1000);
}

TEST(RenderCommand, DisplayOptionsRunTheViewersCommands) {
    ReferenceView reference(kDipoleDipole);
    for (const int id : {command::DataPoints, command::ColourBw, command::FlipColours,
                         command::Errors, command::ZoomIn, command::ZoomIn}) {
        reference.Run(id);
    }
    ExpectPictureOfView({"--no-points", "--grey", "--flip", "--panel", "errors", "--zoom",
                         CFormat("%.17g", reference.view.zoom)},
                        reference, 1000);
}

TEST(RenderCommand, IpUnitsAndAPictureThatCannotBeWritten) {
    // IP data are labelled with logarithms of conductivity already: the DC options
    // are no-ops, not refusals.
    test::TempDir dir;
    const std::string ip = (dir.path() / "ip.svg").string();
    const test::CliResult units =
        test::RunCli({"render", kExamples + "/ip-dipole-dipole.dat", "--ip", "--ip-units", "4",
                      "--log10", "--conductivity", "-o", ip});
    EXPECT_EQ(units.status, 0) << units.err;
    EXPECT_NE(test::ReadAll(ip).find("x100"), std::string::npos);  // unit 4

    const test::CliResult unwritable =
        test::RunCli({"render", kDipoleDipole, "-o", (dir.path() / "no" / "p.png").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err.rfind("error: cannot write ", 0), 0u) << unwritable.err;
}

TEST(RenderCommand, RefusedOptionsAreBadUsage) {
    test::TempDir dir;
    const std::string png = (dir.path() / "p.png").string();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--range", "5", "1"}, "min. should be less than max."},
        {{"--range2", "1", "2"}, "--range2"},
        {{"--panel", "predicted"}, "--panel"},
        {{"--panel", "sideways"}, "--panel"},
        {{"--font-height", "130"}, "--font-height"},
        {{"--zoom", "0"}, "--zoom"},
        {{"--zoom", "100"}, "--zoom"},
        {{"--select", "660"}, "--select"},
        {{"-o", (dir.path() / "p.jpg").string()}, "-o"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> arguments{"render", kDipoleDipole};
        arguments.insert(arguments.end(), options.begin(), options.end());
        if (options[0] != "-o") {
            arguments.insert(arguments.end(), {"-o", png});
        }
        const test::CliResult result = test::RunCli(arguments);
        EXPECT_EQ(result.status, 2) << options[0];
        EXPECT_NE(result.err.find(message), std::string::npos) << options[0] << "\n" << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace oskava
