// The window as a desktop user reaches it: the wheel, the pointer readout, a file
// dropped on the window, the keys, and what a screen reader is told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QUrl>
#include <set>

#include "app/AboutDialog.h"
#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/DlgLoadData.h"
#include "app/IpUnitsDialog.h"
#include "app/MinMaxDialog.h"
#include "app/ModalAnswers.h"
#include "app/NoiseDialog.h"
#include "app/StartedApp.h"
#include "support/ScriptedPrompts.h"
#include "survey/CommandIds.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

using test::Started;

void Wheel(QWidget* viewport, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

TEST(WindowInputTest, WheelScrollsZoomsAboutThePointerAndTheReadoutFollowsIt) {
    Started started({"dipole-dipole.dat"});
    CViewWidget& widget = started.widget();
    CDatView& view = started.view();
    for (int i = 0; i < 12; ++i) {
        view.ZoomIn();
    }
    QScrollBar* bars[] = {widget.horizontalScrollBar(), widget.verticalScrollBar()};
    bars[0]->setValue(150);
    bars[1]->setValue(100);
    Wheel(widget.viewport(), QPoint(50, 50), -120, Qt::NoModifier);
    Wheel(widget.viewport(), QPoint(50, 50), -120, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(bars[0]->value(), bars[1]->value()), std::pair(210, 160));

    // Half a notch does nothing yet; the second half zooms in one step about the pointer.
    const QPoint pointer(200, 120);
    const auto mapping = [&] {
        RecordingCanvas canvas;
        view.PrepareCanvas(canvas, widget.ScrollPosition());
        return canvas;
    };
    const Point surveyPoint = mapping().DPtoLP(Point{pointer.x(), pointer.y()});
    const double zoom = view.zoom;
    Wheel(widget.viewport(), pointer, 60, Qt::ControlModifier);
    EXPECT_EQ(view.zoom, zoom);
    Wheel(widget.viewport(), pointer, 60, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom, zoom * 1.1);
    const Point now = mapping().LPtoDP(surveyPoint);
    EXPECT_NEAR(now.x, pointer.x(), 1);
    EXPECT_NEAR(now.y, pointer.y(), 1);

    // Over a datum the status bar names it; leaving the view gives the idle text back.
    auto* readout = started.frame().statusBar()->findChild<QLabel*>("readout");
    const QString idle = readout->text();
    const ScreenRect& marker = started.app.Document().observations[5].screenRect;
    const Point over =
        mapping().LPtoDP(Point{(marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2});
    QMouseEvent move(QEvent::MouseMove, QPointF(over.x, over.y), QPointF(), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget.viewport(), &move);
    EXPECT_TRUE(readout->text().startsWith("A 10 m, B 12 m, M 14 m, N 16 m: apparent resistivity"))
        << readout->text().toStdString();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget.viewport(), &leave);
    EXPECT_EQ(readout->text(), idle);
}

TEST(WindowInputTest, AFileDroppedOnTheWindowOpensTheLoadDataDialogWithIt) {
    Started started({"dipole-dipole.dat"});
    const QString survey = QStringLiteral(OSKAVA_EXAMPLES_DIR "/pole-dipole.dat");
    QMimeData text;
    text.setText(survey);
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(survey)});
    for (QMimeData* mime : {&text, &file}) {
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&started.frame(), &enter);
        EXPECT_EQ(enter.isAccepted(), mime == &file);
    }
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&started.frame(), &drop);
    QString shown;
    test::OnNextModal([&shown](QWidget* dialog) {
        shown = dialog->findChild<QLineEdit*>("1001")->text();
        dialog->findChild<QRadioButton*>("1022")->setChecked(true);
        dialog->findChild<QPushButton*>("1")->click();
    });
    QTest::qWait(50);
    EXPECT_EQ(shown, survey);
    EXPECT_EQ(started.app.Document().dataFileName, survey.toStdString());
}

TEST(WindowInputTest, KeysForZoomToFitSaveAsAndQuitAreShownInTheMenus) {
    Started started({"dipole-dipole.dat"});
    CMainFrame& frame = started.frame();
    started.Activate();
    QTest::keyClick(&frame, Qt::Key_Minus);
    QTest::keyClick(&frame, Qt::Key_0, Qt::ControlModifier);
    // The whole surface shows, and one step more would not.
    const Size total = started.view().totalSize;
    const Size area = started.widget().ViewArea();
    EXPECT_EQ(started.widget().horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(started.widget().verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(total.cx * 1.1 > area.cx || total.cy * 1.1 > area.cy);

    QString dialogTitle;
    test::OnNextModal([&dialogTitle](QWidget* dialog) {
        dialogTitle = dialog->windowTitle();
        dialog->close();
    });
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogTitle, "Save As");

    started.app.Document().SetModifiedFlag();
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
        started.Activate();
        test::ModalAnswers answers(answer);
        QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(answers.texts, std::vector<std::string>{"Save changes to dipole-dipole.dat?"});
        EXPECT_EQ(frame.isVisible(), answer == QMessageBox::Cancel);
    }

    // A screen reader reads menu items by their text, the key apart.
    for (const auto& [id, key] : {std::pair(command::ZoomFit, "Ctrl+0"),
                                  {command::FileSaveAs, "Ctrl+Shift+S"},
                                  {command::AppExit, "Ctrl+Q"}}) {
        EXPECT_EQ(frame.MenuAction(id)->shortcut().toString(), key);
    }
    for (QAction* menu : frame.menuBar()->actions()) {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu->menu());
        for (int i = 0; i < items->childCount(); ++i) {
            EXPECT_FALSE(items->child(i)->text(QAccessible::Name).contains('\t'))
                << items->child(i)->text(QAccessible::Name).toStdString();
        }
    }
}

TEST(WindowInputTest, EveryControlOfEveryDialogHasANameOfItsOwn) {
    Started started({});
    test::ScriptedPrompts prompts;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CNoise>(NoiseFields{}, nullptr));
    dialogs.push_back(std::make_unique<CDlgDeleteElectrode>(DeleteElectrodeFields{}, nullptr));
    dialogs.push_back(std::make_unique<CMinMax>(MinMaxFields{}, nullptr));
    dialogs.push_back(std::make_unique<CIpUnits>(0, nullptr));
    dialogs.push_back(std::make_unique<CAboutDlg>(nullptr));
    dialogs.push_back(std::make_unique<CDlgLoadData>(LoadDataFields{}, prompts, nullptr));
    dialogs.push_back(std::make_unique<DatPropWindow>(started.app.Document(), nullptr));
    for (const auto& dialog : dialogs) {
        std::set<QString> names;
        int controls = 0;
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
                qobject_cast<QPlainTextEdit*>(control)) {
                ++controls;
                names.insert(
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name));
            }
        }
        EXPECT_EQ(names.size(), size_t(controls)) << dialog->windowTitle().toStdString();
        EXPECT_EQ(names.count(QString()), 0u) << dialog->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace oskava
