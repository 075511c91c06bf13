// oskava-data render: exit statuses, refusals, and pictures whose pixels agree with
// the view's own drawing of the same survey in the same state.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

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

struct Outcome {
    int status = -1;
    std::string errors;  // standard error
};

/// Runs oskava-data with the arguments (already quoted where needed).
Outcome RunTool(const std::string& arguments) {
    test::TempDir dir;
    const std::string errors = (dir.path() / "stderr").string();
    const std::string line =
        std::string(OSKAVA_CLI_PATH) + " " + arguments + " >/dev/null 2>'" + errors + "'";
    const int raw = std::system(line.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    outcome.errors = text.str();
    return outcome;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

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
void ExpectPictureOfView(const std::string& options, ReferenceView& reference,
                         int minimumCompared) {
    test::TempDir dir;
    const std::string png = (dir.path() / "picture.png").string();
    const Outcome outcome =
        RunTool("render " + Quoted(reference.path) + " -o " + Quoted(png) + " " + options);
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    const QImage picture =
        QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    const Size size = reference.view.totalSize;
    ASSERT_EQ(picture.size(), QSize(size.cx, size.cy));
    EXPECT_EQ(picture.pixel(0, 0) & 0xffffff, 0xffffffu);
    EXPECT_EQ(picture.pixel(size.cx - 1, size.cy - 1) & 0xffffff, 0xffffffu);
    const RecordingCanvas recording = reference.Record();
    EXPECT_GE(CompareFills(picture, recording), minimumCompared);
}

TEST(RenderCommand, DefaultPictureIsTheViewsSurface) {
    ReferenceView reference(kDipoleDipole);
    // The 61 colour-bar cells at least; the image cells lie under the data outlines.
    ExpectPictureOfView("", reference, 61);
}

TEST(RenderCommand, PredictedDataGiveTwoPanelsUnlessAskedForNone) {
    const std::string predicted = kExamples + "/tarnel.pre";
    ReferenceView reference(kDipoleDipole, predicted);
    ASSERT_TRUE(reference.view.showPredicted);
    ExpectPictureOfView("--pre " + Quoted(predicted), reference, 2 * 61);
    // Panel 2's range as the dialog shows the predicted panel: resistivity in ohm-m.
    ReferenceView ranged(kDipoleDipole, predicted);
    test::ScriptedPrompts::MinMaxEdit edit;
    edit.result = DialogResult::Ok;
    edit.fields = ranged.view.RangeFields();
    edit.fields.min2 = 20;
    edit.fields.max2 = 300;
    ranged.prompts.minMaxEdits.push_back(edit);
    ranged.Run(command::MinMax);
    EXPECT_NEAR(ranged.view.range2Max, -std::log10(20.0), 1e-12);
    ExpectPictureOfView("--pre " + Quoted(predicted) + " --range2 20 300", ranged, 2 * 61);
    reference.Run(command::PredictedData);
    ExpectPictureOfView("--pre " + Quoted(predicted) + " --panel none", reference, 61);
}

TEST(RenderCommand, DisplayOptionsRunTheViewersCommands) {
    ReferenceView reference(kDipoleDipole);
    reference.Run(command::DataPoints);
    reference.Run(command::ColourBw);
    reference.Run(command::FlipColours);
    reference.Run(command::Errors);
    reference.Run(command::ZoomIn);
    reference.Run(command::ZoomIn);
    const double zoom = reference.view.zoom;
    ExpectPictureOfView("--no-points --grey --flip --panel errors --zoom " + CFormat("%.17g", zoom),
                        reference, 1000);
}

TEST(RenderCommand, RangesAreTakenAsTheMinMaxDialogShowsThem) {
    ReferenceView reference(kDipoleDipole);
    reference.Run(command::DataPoints);
    reference.Run(command::ConductivityResistivity);
    reference.Run(command::Log10);
    // Log10 of conductivity in S/m, as the dialog shows it with these labels.
    test::ScriptedPrompts::MinMaxEdit edit;
    edit.result = DialogResult::Ok;
    edit.fields = reference.view.RangeFields();
    edit.fields.min1 = -2.5;
    edit.fields.max1 = -1.5;
    reference.prompts.minMaxEdits.push_back(edit);
    reference.Run(command::MinMax);
    EXPECT_DOUBLE_EQ(reference.view.rangeMin, -2.5);
    ExpectPictureOfView("--no-points --conductivity --log10 --range -2.5 -1.5", reference, 1000);
}

TEST(RenderCommand, SymbolsAndTheMarkOfASelectedDatum) {
    test::TempDir dir;
    const std::string plain = (dir.path() / "plain.png").string();
    const std::string marked = (dir.path() / "marked.png").string();
    ASSERT_EQ(RunTool("render " + Quoted(kDipoleDipole) + " --symbols -o " + Quoted(plain)).status,
              0);
    ASSERT_EQ(
        RunTool("render " + Quoted(kDipoleDipole) + " --symbols --select 100 -o " + Quoted(marked))
            .status,
        0);
    // The mark inverts the pixels on the datum's marker frame and nowhere far from it.
    ReferenceView reference(kDipoleDipole);
    RecordingCanvas canvas(Rect{0, 0, reference.view.totalSize.cx, reference.view.totalSize.cy});
    reference.view.PrepareCanvas(canvas);
    const ScreenRect& marker = reference.doc.observations[100].screenRect;
    const Rect frame = canvas.LPtoDP(Rect{marker.left, marker.top, marker.right, marker.bottom});
    const QImage before =
        QImage(QString::fromStdString(plain)).convertToFormat(QImage::Format_RGB32);
    const QImage after =
        QImage(QString::fromStdString(marked)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(after.pixel(frame.left, frame.top) & 0xffffff,
              ~before.pixel(frame.left, frame.top) & 0xffffff);
    EXPECT_EQ(after.pixel(0, 0), before.pixel(0, 0));
}

TEST(RenderCommand, WritesSvgAndPdf) {
    test::TempDir dir;
    const std::string svg = (dir.path() / "p.svg").string();
    const std::string pdf = (dir.path() / "p.pdf").string();
    EXPECT_EQ(RunTool("render " + Quoted(kDipoleDipole) + " -o " + Quoted(svg)).status, 0);
    EXPECT_EQ(RunTool("render " + Quoted(kDipoleDipole) + " -o " + Quoted(pdf)).status, 0);
    QFile svgFile(QString::fromStdString(svg));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("Observed Apparent Resistivity"));
    QFile pdfFile(QString::fromStdString(pdf));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));
}

TEST(RenderCommand, RefusedOptionsAreBadUsage) {
    test::TempDir dir;
    const std::string png = Quoted((dir.path() / "p.png").string());
    const std::string dc = "render " + Quoted(kDipoleDipole) + " -o " + png + " ";
    struct Case {
        std::string arguments;
        std::string message;
    };
    for (const Case& c : {
             Case{dc + "--range 5 1", "min. should be less than max."},
             Case{dc + "--range 0 100", "min. and max. should be greater than 0."},
             Case{dc + "--range2 1 2", "--range2"},
             Case{dc + "--panel predicted", "--panel"},
             Case{dc + "--panel sideways", "--panel"},
             Case{dc + "--ip-units 2", "--ip-units"},
             Case{dc + "--font-height 130", "--font-height"},
             Case{dc + "--zoom 0", "--zoom"},
             Case{dc + "--zoom 100", "--zoom"},
             Case{dc + "--select 660", "--select"},
             Case{"render " + Quoted(kDipoleDipole) + " -o " +
                      Quoted((dir.path() / "p.jpg").string()),
                  "-o"},
         }) {
        const Outcome outcome = RunTool(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments;
        EXPECT_NE(outcome.errors.find(c.message), std::string::npos) << c.arguments << "\n"
                                                                     << outcome.errors;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "p.png"));
}

TEST(RenderCommand, FailuresToOpenOrWriteExitWithOne) {
    test::TempDir dir;
    const Outcome missing = RunTool("render " + Quoted((dir.path() / "none.dat").string()) +
                                    " -o " + Quoted((dir.path() / "p.png").string()));
    EXPECT_EQ(missing.status, 1);
    const Outcome unwritable = RunTool("render " + Quoted(kDipoleDipole) + " -o " +
                                       Quoted((dir.path() / "no" / "p.png").string()));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.errors.rfind("error: cannot write ", 0), 0u) << unwritable.errors;
}

TEST(RenderCommand, IpUnitsForIpData) {
    test::TempDir dir;
    const std::string png = (dir.path() / "ip.png").string();
    const Outcome outcome = RunTool("render " + Quoted(kExamples + "/ip-dipole-dipole.dat") +
                                    " --ip --ip-units 4 --log10 --conductivity -o " + Quoted(png));
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_TRUE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace oskava
