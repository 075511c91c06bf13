// The window's wheel, pointer readout, dropped files, keys and names for screen readers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <set>

#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/ModalAnswers.h"
#include "app/NoiseDialog.h"
#include "app/StartedApp.h"
#include "survey/CommandIds.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

void Send(QWidget* to, QEvent&& event) {
    QApplication::sendEvent(to, &event);
}

void Wheel(QWidget* viewport, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    Send(viewport, QWheelEvent(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta),
                               Qt::NoButton, modifiers, Qt::NoScrollPhase, false));
}

TEST(WindowInputTest, WheelScrollsZoomsAboutThePointerAndTheReadoutFollowsIt) {
    test::Started started({"dipole-dipole.dat"});
    CViewWidget& widget = started.widget();
    CDatView& view = started.view();
    auto* readout = started.frame().statusBar()->findChild<QLabel*>("readout");
    const QString idle = readout->text();
    for (int i = 0; i < 12; ++i) {
        view.ZoomIn();
    }
    QScrollBar* bars[] = {widget.horizontalScrollBar(), widget.verticalScrollBar()};
    Wheel(widget.viewport(), QPoint(50, 50), -120, Qt::ShiftModifier);  // sideways, 3 lines
    EXPECT_EQ(std::pair(bars[0]->value(), bars[1]->value()), std::pair(60, 0));
    Wheel(widget.viewport(), QPoint(50, 50), -120, Qt::NoModifier);
    EXPECT_EQ(std::pair(bars[0]->value(), bars[1]->value()), std::pair(60, 60));

    // Half a notch does nothing yet; the second half zooms in one step about the pointer,
    // here over datum 5.
    const auto mapping = [&] {
        RecordingCanvas c;
        view.PrepareCanvas(c, widget.ScrollPosition());
        return c;
    };
    const ScreenRect& m = started.app.Document().observations[5].screenRect;
    const Point surveyPoint{(m.left + m.right) / 2, (m.top + m.bottom) / 2};
    const Point at = mapping().LPtoDP(surveyPoint);
    const QPoint pointer(at.x, at.y);
    const double zoom = view.zoom;
    Wheel(widget.viewport(), pointer, 60, Qt::ControlModifier);
    EXPECT_EQ(view.zoom, zoom);
    Wheel(widget.viewport(), pointer, 60, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom, zoom * 1.1);
    const Point now = mapping().LPtoDP(surveyPoint);
    EXPECT_LE(std::max(std::abs(now.x - pointer.x()), std::abs(now.y - pointer.y())), 1);

    // The status bar says what lies under the pointer until it leaves the view.
    EXPECT_TRUE(widget.viewport()->hasMouseTracking());
    Send(widget.viewport(), QMouseEvent(QEvent::MouseMove, pointer, QPointF(), Qt::NoButton,
                                        Qt::NoButton, Qt::NoModifier));
    EXPECT_TRUE(readout->text().startsWith("A 10 m, B 12 m, M 14 m, N 16 m: apparent resist"));
    Send(widget.viewport(), QEvent(QEvent::Leave));
    EXPECT_EQ(readout->text(), idle);
}

TEST(WindowInputTest, AFileDroppedOnTheWindowOpensTheLoadDataDialogWithIt) {
    test::Started started({"dipole-dipole.dat"});
    const QString survey = QStringLiteral(OSKAVA_EXAMPLES_DIR "/pole-dipole.dat");
    EXPECT_TRUE(started.frame().acceptDrops());
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(survey)});
    QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&started.frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    Send(&started.frame(),
         QDropEvent(QPointF(9, 9), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier));
    QString shown;
    test::OnNextModal([&shown](QWidget* dialog) {
        shown = dialog->findChild<QLineEdit*>("1001")->text();
        dialog->findChild<QAbstractButton*>("1022")->setChecked(true);
        dialog->findChild<QAbstractButton*>("1")->click();
    });
    QTest::qWait(50);
    EXPECT_EQ(shown, survey);
    EXPECT_EQ(started.app.Document().dataFileName, survey.toStdString());
}

TEST(WindowInputTest, ZoomToFitKeyAndNamesForScreenReaders) {
    test::Started started({"dipole-dipole.dat"});
    CMainFrame& frame = started.frame();
    started.Activate();
    QTest::keyClick(&frame, Qt::Key_Minus);
    QTest::keyClick(&frame, Qt::Key_0, Qt::ControlModifier);  // the whole surface shows, larger
    EXPECT_GT(started.view().zoom, 0.05 / 1.1);
    EXPECT_EQ(started.widget().horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(started.widget().verticalScrollBar()->maximum(), 0);

    // A screen reader reads a menu item's text without its key.
    for (QAction* menu : frame.menuBar()->actions()) {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu->menu());
        for (int i = 0; i < items->childCount(); ++i) {
            EXPECT_FALSE(items->child(i)->text(QAccessible::Name).contains('\t'));
        }
    }
    // Nor do two controls of a dialog read alike, nor any as nothing.
    CNoise noise(NoiseFields{}, nullptr);
    CDlgDeleteElectrode electrode(DeleteElectrodeFields{}, nullptr);
    DatPropWindow properties(started.app.Document(), nullptr);
    for (const QDialog* dialog :
         std::initializer_list<const QDialog*>{&noise, &electrode, &properties}) {
        std::set<QString> names;
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)) {
                const QString name =
                    QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                EXPECT_TRUE(!name.isEmpty() && names.insert(name).second) << name.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace oskava
