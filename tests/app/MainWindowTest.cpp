#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "app/DatApp.h"
#include "app/MainFrame.h"
#include "app/ModalAnswers.h"
#include "app/StartedApp.h"
#include "app/ViewWidget.h"
#include "support/CurrentDirectory.h"
#include "support/RunCli.h"
#include "support/TempDir.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

const std::filesystem::path kExamples = OSKAVA_EXAMPLES_DIR;

using test::Started;

// "-" disabled, "e" enabled, then "c" when checked: menu item and button alike.
std::string StateOf(const QAction* action) {
    return std::string(action->isEnabled() ? "e" : "-") + (action->isChecked() ? "c" : "");
}

TEST(MainWindowTest, EnablingAndCheckMarksFollowTheSurvey) {
    using namespace command;
    struct Row {
        int id;
        const char* empty;
        const char* dcWithPredicted;
        const char* ip;
    };
    // Commands always enabled are left out.
    const std::vector<Row> table = {
        {Log10, "-", "e", "-c"},         {ConductivityResistivity, "-", "e", "-"},
        {DataPoints, "-c", "ec", "ec"},  {Errors, "-", "e", "e"},
        {PredictedData, "-", "ec", "-"}, {Difference, "-", "e", "-"},
        {FontDecrease, "-", "e", "e"},   {FontIncrease, "-", "e", "e"},
        {ZoomIn, "-", "e", "e"},         {ZoomOut, "-", "e", "e"},
        {ViewToolbar, "ec", "ec", "ec"}, {Interpolate, "-c", "ec", "ec"},
        {MinMax, "-", "e", "e"},         {IpUnits, "-", "-", "e"},
    };
    const auto expectStates = [&table](const std::vector<std::string>& arguments,
                                       const char* Row::*column) {
        Started started(arguments);
        ASSERT_EQ(started.status, std::nullopt);
        for (const Row& row : table) {
            for (const QAction* action :
                 {started.frame().MenuAction(row.id), started.frame().ToolbarAction(row.id)}) {
                if (action != nullptr) {
                    EXPECT_EQ(StateOf(action), row.*column)
                        << "command " << row.id << " of " << action->objectName().toStdString();
                }
            }
        }
    };
    expectStates({}, &Row::empty);
    expectStates({"dipole-dipole.dat", "/pre"}, &Row::dcWithPredicted);
    expectStates({"ip-dipole-dipole.dat", "/ip"}, &Row::ip);
}

TEST(MainWindowTest, ZoomAndFontKeysOfBothKeyboards) {
    Started started({"dipole-dipole.dat"});
    started.Activate();
    const CDatView& view = started.view();
    // Each key in turn: zoom in, out, in and out on the keypad, smaller and larger font.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Plus, Qt::NoModifier},     {Qt::Key_Minus, Qt::NoModifier},
        {Qt::Key_Plus, Qt::KeypadModifier}, {Qt::Key_Minus, Qt::KeypadModifier},
        {Qt::Key_1, Qt::AltModifier},       {Qt::Key_2, Qt::AltModifier}};
    std::vector<std::pair<double, int>> seen;
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(&started.frame(), key, modifiers);
        seen.emplace_back(std::round(view.zoom * 1e4), view.fontHeight);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<double, int>>{
                        {550, 300}, {500, 300}, {550, 300}, {500, 300}, {500, 250}, {500, 300}}));
}

TEST(MainWindowTest, CopyPutsTheRenderedSurfaceOnTheClipboard) {
    Started started({"dipole-dipole.dat", "/pre"});
    started.frame().RunCommand(command::Errors);
    started.frame().RunCommand(command::EditCopy);
    const QImage copied = QGuiApplication::clipboard()->image();

    test::TempDir dir;
    const std::string png = (dir.path() / "render.png").string();
    const test::CliResult render =
        test::RunCli({"render", (kExamples / "dipole-dipole.dat").string(), "--pre",
                      (kExamples / "tarnel.pre").string(), "--panel", "errors", "-o", png});
    ASSERT_EQ(render.status, 0) << render.err;
    const QImage rendered = QImage(QString::fromStdString(png)).convertToFormat(copied.format());
    EXPECT_EQ(copied.size(), QSize(started.view().totalSize.cx, started.view().totalSize.cy));
    EXPECT_EQ(copied, rendered);

    // Far beyond the largest picture: a warning, and the clipboard keeps what it had.
    started.view().zoom = 50;
    started.view().UpdateScrollSizes();
    test::ModalAnswers answers;
    started.frame().RunCommand(command::EditCopy);
    EXPECT_EQ(answers.texts,
              std::vector<std::string>{"The picture is too large to copy at this zoom."});
    EXPECT_EQ(QGuiApplication::clipboard()->image(), copied);
}

TEST(MainWindowTest, StartUpEndsWhereTheSurveyCannotBeOpened) {
    test::TempDir dir;
    const std::string missing = (dir.path() / "missing.dat").string();
    struct Case {
        std::vector<std::string> arguments;
        std::optional<int> status;
    };
    for (const Case& c :
         {Case{{missing}, 1},
          Case{{(kExamples / "dipole-dipole.dat").string(), "/topo=\"nowhere.topo\""}, -1},
          Case{{}, std::nullopt}}) {
        const test::CurrentDirectory empty(dir.path());
        test::ModalAnswers answers;
        CDatApp app;
        EXPECT_EQ(app.InitInstance(c.arguments), c.status) << c.arguments.size();
        EXPECT_EQ(answers.texts.empty(), !c.status.has_value());
        EXPECT_EQ(app.MainFrame().isVisible(), !c.status.has_value());
    }
}

/// Records what long work reports.
struct ProgressSpy : Progress {
    void Stage(const std::string& what) override { stages.push_back(what); }
    void Finished() override { ++finished; }
    std::vector<std::string> stages;
    int finished = 0;
};

TEST(MainWindowTest, LongWorkShowsItsStageTheWaitCursorAndLateABar) {
    Started started({});
    CDatDoc& doc = started.app.Document();
    QStatusBar& status = *started.frame().statusBar();
    auto* bar = status.findChild<QProgressBar*>(QStringLiteral("progress"));
    Progress& progress = doc.progress();
    progress.Stage("Reading a.dat");
    EXPECT_EQ(status.currentMessage(), "Reading a.dat ...");
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    progress.Tick();
    EXPECT_TRUE(bar->isHidden());
    QTest::qSleep(600);
    progress.Tick();
    EXPECT_FALSE(bar->isHidden());
    progress.Finished();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(status.currentMessage(), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // What opening a survey reports, and that it ends its work once.
    ProgressSpy spy;
    doc.SetProgress(&spy);
    LoadDataFields fields;
    fields.dataFile = (kExamples / "dipole-dipole.dat").string();
    ASSERT_EQ(doc.OnFileOpen(fields), OpenOutcome::Opened);
    EXPECT_EQ(spy.stages,
              (std::vector<std::string>{"Reading " + fields.dataFile, "Triangulating"}));
    EXPECT_EQ(spy.finished, 1);
    doc.SetProgress(nullptr);
}

}  // namespace
}  // namespace oskava
