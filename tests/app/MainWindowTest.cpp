// The window: command states, menus and toolbar, start-up, the clipboard, Save picture, long
// work, scrolling, Undo and Redo.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <set>

#include "app/CommandTable.h"
#include "app/ModalAnswers.h"
#include "app/StartedApp.h"
#include "editing/DataEdits.h"
#include "editing/EditJournal.h"
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
    // A menu item runs the command bound to its id: two commands on one id hide one.
    std::set<int> ids;
    for (const auto& entry : CommandTable()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << "two commands have the id " << entry.id;
    }
    struct Row {
        int id;
        const char* empty;
        const char* dcWithPredicted;
        const char* ip;
    };
    // Commands always enabled are left out, and commands enabled by the same rule as
    // one in the table.
    const std::vector<Row> table = {
        {Log10, "-", "e", "-c"},           {ConductivityResistivity, "-", "e", "-"},
        {DataPoints, "-c", "ec", "ec"},    {Errors, "-", "e", "e"},
        {PredictedData, "-", "ec", "-"},   {Difference, "-", "e", "-"},
        {ZoomIn, "-", "e", "e"},           {ViewToolbar, "ec", "ec", "ec"},
        {Interpolate, "-c", "ec", "ec"},   {IpUnits, "-", "-", "e"},
        {ViewStatusBar, "ec", "ec", "ec"}, {ErrorAnalysis, "-", "e", "-"},
        {ElectrodeMisfit, "-", "e", "-"},
    };
    const auto expectStates = [&table](const std::vector<std::string>& arguments,
                                       const char* Row::*column) {
        Started started(arguments);
        for (const Row& row : table) {
            for (const QAction* action :
                 {started.frame().MenuAction(row.id), started.frame().ToolbarAction(row.id)}) {
                if (action != nullptr) {
                    EXPECT_EQ(StateOf(action), row.*column)
                        << "command " << row.id << " of " << action->objectName().toStdString();
                }
            }
            if (const QAction* button = started.frame().ToolbarAction(row.id)) {
                EXPECT_FALSE(button->icon().isNull()) << row.id;
            }
        }
    };
    expectStates({}, &Row::empty);
    expectStates({"dipole-dipole.dat", "/pre"}, &Row::dcWithPredicted);
    expectStates({"ip-dipole-dipole.dat", "/ip"}, &Row::ip);
}

// A menu as text: its items, "*" after one that can show a check mark, "|" for a
// separator, a submenu's items in brackets.
std::string MenuText(const QMenu& menu) {
    std::string text;
    for (const QAction* action : menu.actions()) {
        text += action->isSeparator() ? std::string(" |") : " " + action->text().toStdString();
        text += action->menu() != nullptr ? " [" + MenuText(*action->menu()) + " ]" : "";
        text += action->isCheckable() ? "*" : "";
    }
    return text;
}

TEST(MainWindowTest, MenusAndToolbarInTheirOrderWithTheirSeparatorsAndCheckMarks) {
    Started started({});
    std::vector<std::string> menus;
    for (const QAction* menu : started.frame().menuBar()->actions()) {
        menus.push_back(menu->text().toStdString() + ":" + MenuText(*menu->menu()));
    }
    EXPECT_EQ(menus,
              (std::vector<std::string>{
                  "&File: &Open ... &Import ... &Save As ... &Export ... Save &picture as ... | "
                  "E&xit",
                  "&Edit: Undo Redo | Assign standard deviation ... Add Gaussian noise ... Delete "
                  "electrode Filter data ... | &Copy",
                  "&View: Log10* Conductivity / Resistivity Colour / BW Flip Colours* data points* "
                  "statistics Error analysis ... Misfit by electrode ... | Errors* Predicted Data* "
                  "Difference* | font [ decrease increase ] Zoom In Zoom Out Zoom to fit | "
                  "&Toolbar* &Status Bar*",
                  "&Options: Interpolate* Min / Max ... IP Units ...",
                  "&Help: &About OSKAVA data viewer ..."}));
    const auto* toolbar = started.frame().findChild<QToolBar*>(QStringLiteral("toolbar"));
    std::string buttons;
    for (const QAction* button : toolbar->actions()) {
        buttons += button->isSeparator() ? " |" : " " + button->toolTip().toStdString();
    }
    EXPECT_EQ(buttons,
              " About | Copy | Log10 cond / res colour / bw | interpolate data points | zoom in "
              "zoom out zoom to fit | errors predicted data difference");
    EXPECT_FALSE(toolbar->isMovable() || toolbar->isFloatable());
}

TEST(MainWindowTest, StartingOnASurveyThatCannotBeReadEndsTheProgram) {
    const test::CurrentDirectory examples(OSKAVA_EXAMPLES_DIR);
    test::ModalAnswers answers;
    CDatApp unreadable;
    EXPECT_EQ(unreadable.InitInstance({"missing.dat"}), 1);
    CDatApp withoutItsGround;
    EXPECT_EQ(withoutItsGround.InitInstance({"dipole-dipole.dat", "/topo=missing.txt"}), -1);
    EXPECT_EQ(answers.texts.size(), 2u);
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

TEST(MainWindowTest, SavePictureWritesTheChosenFormatOrSaysWhyNot) {
    Started started({"dipole-dipole.dat"});
    test::TempDir dir;
    const auto save = [&](const char* name, bool accept) {
        test::OnNextModal([&dir, name, accept](QWidget* modal) {
            auto* files = static_cast<QFileDialog*>(modal);
            files->selectFile(QString::fromStdString((dir.path() / name).string()));
            QMetaObject::invokeMethod(files, accept ? "accept" : "reject", Qt::DirectConnection);
        });
        started.frame().RunCommand(command::FileSavePicture);
    };
    test::ModalAnswers answers;
    save("cancelled.png", false);
    save("plain", true);  // a name without an extension takes the first filter's
    save("notes.txt", true);
    save("missing/folder.svg", true);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "cancelled.png"));
    EXPECT_EQ(QImage(QString::fromStdString((dir.path() / "plain.png").string())).size(),
              QSize(started.view().totalSize.cx, started.view().totalSize.cy));
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(answers.texts[0], "A picture is written as .png, .svg or .pdf: \n" +
                                    (dir.path() / "notes.txt").string());
    EXPECT_EQ(answers.texts[1].substr(0, 24), "Error writing picture: \n");
}

TEST(MainWindowTest, LongWorkShowsItsStageTheWaitCursorAndLateABar) {
    Started started({});
    QStatusBar& status = *started.frame().statusBar();
    auto* bar = status.findChild<QProgressBar*>(QStringLiteral("progress"));
    Progress& progress = started.app.Document().progress();
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
}

// Scrolling moves the pixels already painted and repaints only the uncovered strip,
// in which the view leaves out markers that cannot touch it: the window must then show
// what a repaint of the whole window shows.
TEST(ScrollPaintTest, ScrolledWindowShowsWhatAFullRepaintShows) {
    test::Started started({"dipole-dipole.dat"});
    CMainFrame& frame = started.frame();
    CViewWidget& widget = started.widget();
    for (int i = 0; i < 4; ++i) {
        frame.MenuAction(command::ZoomIn)->trigger();
    }
    // What the window shows: the backing store, not a fresh rendering of the widget.
    const auto shown = [&] {
        QTest::qWait(30);
        return frame.screen()->grabWindow(frame.winId()).toImage();
    };
    shown();
    for (const auto& [dx, dy] : {std::pair{37, 0}, {0, 23}, {-55, -11}, {101, 3}}) {
        widget.horizontalScrollBar()->setValue(widget.horizontalScrollBar()->value() + dx);
        widget.verticalScrollBar()->setValue(widget.verticalScrollBar()->value() + dy);
        const QImage scrolled = shown();
        widget.viewport()->update();
        ASSERT_EQ(scrolled, shown()) << "after scrolling by " << dx << ", " << dy;
    }
}

// Undo and Redo: their texts and enabling in the Edit menu, their keys, and the picture
// after an electrode's data are deleted and brought back.
TEST(UndoWindowTest, DeletionUndoneAndRedoneByKeysRestoresThePicture) {
    test::Started started({"dipole-dipole.dat"});
    CMainFrame& frame = started.frame();
    CDatDoc& doc = started.app.Document();
    started.Activate();
    QAction* undo = frame.MenuAction(command::EditUndo);
    QAction* redo = frame.MenuAction(command::EditRedo);
    const auto items = [&] {
        return (undo->isEnabled() ? "e " : "- ") + undo->text() +
               (redo->isEnabled() ? " | e " : " | - ") + redo->text();
    };
    EXPECT_EQ(items(), "- Undo | - Redo");
    // The view's pixels once it has repainted. A deletion's repaint may add scroll
    // bars: pictures are compared where both have pixels.
    const auto picture = [&frame] {
        QTest::qWait(20);
        return frame.ViewWidget().viewport()->grab().toImage();
    };
    const auto same = [](const QImage& a, const QImage& b) {
        const QRect both = a.rect() & b.rect();
        return a.copy(both) == b.copy(both);
    };

    const QImage opened = picture();
    DeleteRecords(doc, ElectrodeData(doc.observations, 20, true, true), edit_name::DeleteElectrode);
    frame.UpdateCommandStates();
    const QImage deleted = picture();
    ASSERT_FALSE(same(deleted, opened));
    EXPECT_EQ(items(), "e Undo Delete electrode | - Redo");

    // A Data Properties window goes with the records it could show.
    const ScreenRect& m = doc.observations[3].screenRect;
    ASSERT_GE(doc.ShowDatumProperties(m.left, m.top), 0);
    started.Activate();
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_TRUE(same(picture(), opened));
    EXPECT_EQ(items(), "- Undo | e Redo Delete electrode");
    // Rebuilding the view reported its triangulation; the window must paint again.
    EXPECT_TRUE(frame.ViewWidget().viewport()->updatesEnabled());

    for (const QKeyCombination redoKey :
         {Qt::ControlModifier | Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z}) {
        QTest::keyClick(&frame, redoKey.key(), redoKey.keyboardModifiers());
        EXPECT_TRUE(same(picture(), deleted));
        EXPECT_EQ(items(), "e Undo Delete electrode | - Redo");
        QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_TRUE(same(picture(), opened));
}

}  // namespace
}  // namespace oskava
