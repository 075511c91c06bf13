// oskava-data render: exit statuses, refusals, and pictures whose pixels agree with
// the view's own drawing of the same survey in the same state.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
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

/// The device box of a call that is no solid fill: where its pixels may lie.
Rect InkBox(const CanvasCall& call) {
    if (call.kind == CanvasCall::Kind::Line) {
        return Rect{std::min(call.from.x, call.to.x), std::min(call.from.y, call.to.y),
                    std::max(call.from.x, call.to.x) + 1, std::max(call.from.y, call.to.y) + 1};
    }
    return call.rect;
}

/// Compares the picture with the recording at the centre pixel of every solid fill
/// (image cells, colour-bar cells) that no line or shape touches: the pixel must
/// have the colour of the last fill over it. Returns the number of pixels compared.
int CompareFills(const QImage& picture, const RecordingCanvas& recording) {
    std::vector<Rect> inked;
    for (const CanvasCall& call : recording.calls) {
        if (call.kind == CanvasCall::Kind::Line || call.kind == CanvasCall::Kind::Ellipse ||
            call.kind == CanvasCall::Kind::Rectangle) {
            inked.push_back(InkBox(call));
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
            if (Contains(other.rect, x, y)) {
                expected = other.colour;
            }
        }
        const QRgb pixel = picture.pixel(x, y);
        EXPECT_EQ(pixel & 0xffffff,
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

// Sets the ranges as a person would type them in the Min / Max dialog.
void TypeRanges(ReferenceView& reference, const std::function<void(MinMaxFields&)>& type) {
    test::ScriptedPrompts::MinMaxEdit edit;
    edit.result = DialogResult::Ok;
    edit.fields = reference.view.RangeFields();
    type(edit.fields);
    reference.prompts.minMaxEdits.push_back(edit);
    reference.Run(command::MinMax);
}

TEST(RenderCommand, PicturesWithPredictedDataAreTheViewsSurface) {
    const std::string predicted = kExamples + "/tarnel.pre";
    ReferenceView reference(kDipoleDipole, predicted);
    ASSERT_TRUE(reference.view.showPredicted);
    // The 61 cells of each colour bar at least; the image cells lie under the outlines.
    ExpectPictureOfView({"--pre", predicted}, reference, 2 * 61);
    // Panel 2's range as the dialog shows the predicted panel: resistivity in ohm-m.
    ReferenceView ranged(kDipoleDipole, predicted);
    TypeRanges(ranged, [](MinMaxFields& fields) {
        fields.min2 = 20;
        fields.max2 = 300;
    });
    EXPECT_NEAR(ranged.view.range2Max, -std::log10(20.0), 1e-12);
    ExpectPictureOfView({"--pre", predicted, "--range2", "20", "300"}, ranged, 2 * 61);
    reference.Run(command::PredictedData);
    ExpectPictureOfView({"--pre", predicted, "--panel", "none"}, reference, 61);
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

    ReferenceView ranged(kDipoleDipole);
    for (const int id : {command::DataPoints, command::ConductivityResistivity, command::Log10}) {
        ranged.Run(id);
    }
    // Log10 of conductivity in S/m, as the dialog shows it with these labels.
    TypeRanges(ranged, [](MinMaxFields& fields) {
        fields.min1 = -2.5;
        fields.max1 = -1.5;
    });
    EXPECT_DOUBLE_EQ(ranged.view.rangeMin, -2.5);
    ExpectPictureOfView({"--no-points", "--conductivity", "--log10", "--range", "-2.5", "-1.5"},
                        ranged, 1000);
}

TEST(RenderCommand, SvgPdfIpUnitsAndFailuresToOpenOrWrite) {
    test::TempDir dir;
    const std::string svg = (dir.path() / "p.svg").string();
    const std::string pdf = (dir.path() / "p.pdf").string();
    EXPECT_EQ(test::RunCli({"render", kDipoleDipole, "-o", svg}).status, 0);
    EXPECT_EQ(test::RunCli({"render", kDipoleDipole, "-o", pdf}).status, 0);
    EXPECT_NE(test::ReadAll(svg).find("Observed Apparent Resistivity"), std::string::npos);
    EXPECT_EQ(test::ReadAll(pdf).rfind("%PDF", 0), 0u);
    const std::string ip = (dir.path() / "ip.png").string();
    const test::CliResult units =
        test::RunCli({"render", kExamples + "/ip-dipole-dipole.dat", "--ip", "--ip-units", "4",
                      "--log10", "--conductivity", "-o", ip});
    EXPECT_EQ(units.status, 0) << units.err;
    EXPECT_TRUE(std::filesystem::exists(ip));

    const std::string png = (dir.path() / "p.png").string();
    EXPECT_EQ(test::RunCli({"render", (dir.path() / "none.dat").string(), "-o", png}).status, 1);
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
        {{"--range", "0", "100"}, "min. and max. should be greater than 0."},
        {{"--range2", "1", "2"}, "--range2"},
        {{"--panel", "predicted"}, "--panel"},
        {{"--panel", "sideways"}, "--panel"},
        {{"--ip-units", "2"}, "--ip-units"},
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
