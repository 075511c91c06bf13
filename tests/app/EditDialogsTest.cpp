// The editing dialogs on the screen: the standard-deviation and Delete Electrode
// dialogs, and the modeless Data Properties window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "app/DatApp.h"
#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/DialogControls.h"
#include "app/MainFrame.h"
#include "app/ModalAnswers.h"
#include "app/NoiseDialog.h"
#include "app/ViewWidget.h"
#include "editing/FieldNumbers.h"
#include "support/CurrentDirectory.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

// Types the text into the dialog's edit with the control id.
void Type(QWidget* dialog, int id, const QString& text) {
    QLineEdit* edit = ControlOf<QLineEdit>(dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Presses OK on the dialog and records the refusal box it shows, closing it.
QString OkRefused(QWidget* dialog) {
    QString shown;
    test::OnNextModal([&shown](QWidget* box) {
        shown = static_cast<QMessageBox*>(box)->text();
        box->close();
    });
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    return shown;
}

TEST(NoiseDialog, RefusesWithTheFocusOnTheFieldThenAcceptsTheEntries) {
    NoiseFields fields{5, 0.001, true};
    QString refusal;
    test::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Minimum)->text(), "0.001");
        Type(dialog, control::Percent, "7");
        Type(dialog, control::Minimum, "0");
        refusal = OkRefused(dialog);
        EXPECT_EQ(dialog->focusWidget(), ControlOf<QLineEdit>(dialog, control::Minimum));
        Type(dialog, control::Minimum, "2");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ASSERT_EQ(RunNoiseDialog(nullptr, fields), DialogResult::Ok);
    EXPECT_EQ(refusal, "Minimum must be greater than 0.");
    EXPECT_EQ(fields.percent, 7);
    EXPECT_EQ(fields.minimum, 2);
}

TEST(DeleteElectrodeDialog, HandsBackTheEntriesAndCancelChangesNothing) {
    DeleteElectrodeFields fields{12.5, false, false};
    test::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Delete Electrode");
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Location)->text(), "12.5");
        ControlOf<QCheckBox>(dialog, control::Receiver)->click();
        Type(dialog, control::Location, "10");
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    ASSERT_EQ(RunDeleteElectrodeDialog(nullptr, fields), DialogResult::Ok);
    EXPECT_EQ(fields.location, 10);
    EXPECT_TRUE(fields.receiver && !fields.transmitter);

    test::OnNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(RunDeleteElectrodeDialog(nullptr, fields), DialogResult::Cancel);
}

// The viewer started on an example, with a click on a datum's marker in panel 1.
struct Viewer {
    explicit Viewer(const std::vector<std::string>& arguments) {
        const test::CurrentDirectory examples(OSKAVA_EXAMPLES_DIR);
        EXPECT_EQ(app.InitInstance(arguments), std::nullopt);
    }
    void Click(size_t r) {
        CViewWidget& widget = app.MainFrame().ViewWidget();
        const ScreenRect& m = app.Document().observations[r].screenRect;
        RecordingCanvas mapping;
        widget.View().PrepareCanvas(mapping, widget.ScrollPosition());
        const Point p = mapping.LPtoDP(Point{(m.left + m.right) / 2, (m.top + m.bottom) / 2});
        QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, QPoint(p.x, p.y));
    }
    DatPropWindow* Window() {
        auto* handle = dynamic_cast<QtDatProp*>(app.Document().propertiesDialog.get());
        return handle == nullptr ? nullptr : handle->window();
    }
    QLineEdit* Edit(int id) { return ControlOf<QLineEdit>(Window(), id); }
    QWidget* Control(int id) { return ControlOf<QWidget>(Window(), id); }

    CDatApp app;
};

TEST(DataPropertiesWindow, ClicksFillOneWindowWhoseSetDeleteAndEscapeWork) {
    Viewer viewer({"dipole-dipole.dat", "/pre"});
    CDatDoc& doc = viewer.app.Document();
    viewer.Click(7);
    DatPropWindow* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Data Properties");
    EXPECT_EQ(viewer.Edit(1007)->text().toStdString(),
              FormatFieldNumber(doc.observations[7].datum));
    EXPECT_TRUE(viewer.Control(1010)->isEnabled());
    viewer.Click(9);  // refills the same window
    EXPECT_EQ(viewer.Window(), window);
    // "%" then 10 and Enter: the value follows and becomes the standard deviation.
    ControlOf<QRadioButton>(window, 1016)->click();
    EXPECT_FALSE(viewer.Edit(control::ErrorPercent)->isReadOnly());
    EXPECT_TRUE(viewer.Edit(control::ErrorValue)->isReadOnly());
    Type(window, control::ErrorPercent, "10");
    QTest::keyClick(viewer.Edit(control::ErrorPercent), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(doc.observations[9].stdDev, std::fabs(doc.observations[9].datum) * 0.1);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(doc.propertiesDialog, nullptr);

    viewer.Click(9);
    const int32_t count = doc.dataCount;
    QTest::mouseClick(ControlOf<QPushButton>(viewer.Window(), 1023), Qt::LeftButton);
    EXPECT_EQ(doc.dataCount, count - 1);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
}

}  // namespace
}  // namespace oskava
