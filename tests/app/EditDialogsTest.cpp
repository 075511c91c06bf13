// The editing dialogs on the screen: the standard-deviation and Delete Electrode
// dialogs, and the modeless Data Properties window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/DialogControls.h"
#include "app/ModalAnswers.h"
#include "app/NoiseDialog.h"
#include "app/StartedApp.h"
#include "editing/FieldNumbers.h"
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

TEST(NoiseDialog, RefusesWithTheFocusOnTheFieldThenAcceptsTheEntries) {
    NoiseFields fields{5, 0.001, true};
    std::vector<std::string> refusal;
    test::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Minimum)->text(), "0.001");
        Type(dialog, control::Percent, "7");
        Type(dialog, control::Minimum, "0");
        test::ModalAnswers refusals([](QDialog&) {});  // only the message box
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        refusal = refusals.texts;
        EXPECT_EQ(dialog->focusWidget(), ControlOf<QLineEdit>(dialog, control::Minimum));
        Type(dialog, control::Minimum, "2");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ASSERT_EQ(RunNoiseDialog(nullptr, fields), DialogResult::Ok);
    EXPECT_EQ(refusal, std::vector<std::string>{"Minimum must be greater than 0."});
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

// Clicks the marker of record r in panel 1.
void Click(test::Started& started, size_t r) {
    const ScreenRect& m = started.app.Document().observations[r].screenRect;
    RecordingCanvas mapping;
    started.view().PrepareCanvas(mapping, started.widget().ScrollPosition());
    const Point p = mapping.LPtoDP(Point{(m.left + m.right) / 2, (m.top + m.bottom) / 2});
    QTest::mouseClick(started.widget().viewport(), Qt::LeftButton, {}, QPoint(p.x, p.y));
}

DatPropWindow* PropertiesWindow(CDatDoc& doc) {
    auto* handle = dynamic_cast<QtDatProp*>(doc.propertiesDialog.get());
    return handle == nullptr ? nullptr : handle->window();
}

TEST(DataPropertiesWindow, ClicksFillOneWindowWhoseSetDeleteAndEscapeWork) {
    test::Started started({"dipole-dipole.dat", "/pre"});
    CDatDoc& doc = started.app.Document();
    Click(started, 7);
    DatPropWindow* window = PropertiesWindow(doc);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Data Properties");
    EXPECT_EQ(ControlOf<QLineEdit>(window, 1007)->text().toStdString(),
              FormatFieldNumber(doc.observations[7].datum));
    Click(started, 9);  // refills the same window
    EXPECT_EQ(PropertiesWindow(doc), window);
    // "%" then 10 and Enter: the value follows and becomes the standard deviation.
    ControlOf<QRadioButton>(window, 1016)->click();
    EXPECT_TRUE(ControlOf<QLineEdit>(window, control::ErrorValue)->isReadOnly());
    Type(window, control::ErrorPercent, "10");
    QTest::keyClick(ControlOf<QLineEdit>(window, control::ErrorPercent), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(doc.observations[9].stdDev, std::fabs(doc.observations[9].datum) * 0.1);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(doc.propertiesDialog, nullptr);

    Click(started, 9);
    const int32_t count = doc.dataCount;
    QTest::mouseClick(ControlOf<QPushButton>(PropertiesWindow(doc), 1023), Qt::LeftButton);
    EXPECT_EQ(doc.dataCount, count - 1);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
}

}  // namespace
}  // namespace oskava
