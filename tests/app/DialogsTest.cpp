// The dialogs on the screen: Min/Max, IP units, boxes with very long or short lines, deviation
// and Delete Electrode dialogs, and the modeless Data Properties window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "app/AboutDialog.h"
#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/DialogControls.h"
#include "app/DialogLayout.h"
#include "app/DlgLoadData.h"
#include "app/IpUnitsDialog.h"
#include "app/MinMaxDialog.h"
#include "app/ModalAnswers.h"
#include "app/NoiseDialog.h"
#include "app/QtPrompts.h"
#include "app/SaveAsDialog.h"
#include "app/StartedApp.h"
#include "editing/FieldNumbers.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

void Show(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

TEST(DialogsTest, MinMaxShowsTheGroupsInUseRefusesWithTheFocusBackAndReturnsWhatWasTyped) {
    MinMaxFields fields;
    fields.max1 = 1000;
    fields.min1 = 1.0 / 3;
    fields.max2 = 2;
    fields.min2 = 1;
    CMinMax single(fields, nullptr);
    EXPECT_EQ(ControlOf<QLineEdit>(&single, 1001)->text(), "0.333333333333333");
    EXPECT_FALSE(ControlOf<QLineEdit>(&single, 1003)->isEnabled() ||
                 ControlOf<QLineEdit>(&single, 1005)->isEnabled());
    fields.secondGroup = true;
    fields.secondTitle = "errors";
    struct Case {
        int button, field;
        const char* text;
        const char* message;
        int focus;  // 0: the focus stays where it was
    };
    for (const Case& c : {Case{1, 1005, " ", "Enter a number.", 1005},
                          Case{1004, 1001, "1e999", "Enter a number.", 1001},
                          Case{1, 1001, "1000", "min. should be less than max.", 0}}) {
        CMinMax dialog(fields, nullptr);
        Show(dialog);
        ControlOf<QLineEdit>(&dialog, c.field)->setText(QString::fromLatin1(c.text));
        test::ModalAnswers answers;
        QTest::mouseClick(ControlOf<QPushButton>(&dialog, c.button), Qt::LeftButton);
        EXPECT_EQ(answers.texts, std::vector<std::string>{c.message}) << c.field << " " << c.text;
        EXPECT_TRUE(dialog.isVisible());
        if (c.focus != 0) {
            EXPECT_EQ(dialog.focusWidget(), ControlOf<QLineEdit>(&dialog, c.focus));
        }
    }
    for (const int button : {1004, 1}) {  // Reset, then OK
        CMinMax dialog(fields, nullptr);
        Show(dialog);
        QLineEdit* max2 = ControlOf<QLineEdit>(&dialog, 1003);
        max2->setText(" 4.5 ");
        if (button == 1) {  // Enter in a field presses OK
            QTest::keyClick(max2, Qt::Key_Return);
        } else {
            QTest::mouseClick(ControlOf<QPushButton>(&dialog, button), Qt::LeftButton);
        }
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Fields().reset, button == 1004);
        EXPECT_EQ(dialog.Fields().max2, 4.5);
        EXPECT_EQ(ControlOf<QGroupBox>(&dialog, 1024)->title(), "errors");
    }
}

TEST(DialogsTest, IpUnitsOpensOnTheUnitAndReturnsTheChoice) {
    for (const int unit : {0, 4}) {
        CIpUnits dialog(2, nullptr);
        EXPECT_TRUE(ControlOf<QRadioButton>(&dialog, 1019)->isChecked());
        EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 5);
        Show(dialog);
        ControlOf<QRadioButton>(&dialog, 1017 + unit)->click();
        QTest::mouseClick(ControlOf<QPushButton>(&dialog, 1), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.UnitIndex(), unit);
    }
}

TEST(DialogsTest, EveryDialogReadsAsAForm) {
    MinMaxFields fields;
    fields.secondGroup = true;
    test::ScriptedPrompts prompts;
    CMinMax minMax(fields, nullptr);
    CIpUnits units(2, nullptr);
    CAboutDlg about(nullptr);
    CDlgLoadData load(LoadDataFields{}, prompts);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&minMax, &units, &about, &load}) {
        Show(*dialog);
        test::ExpectFormLayout(dialog);
    }
    EXPECT_TRUE(about.findChild<QPlainTextEdit*>()->isReadOnly());
    const auto checkAndCancel = [](QWidget* dialog) {
        test::ExpectFormLayout(dialog);
        static_cast<QDialog*>(dialog)->reject();
    };
    NoiseFields noise{5, 0.001, true};
    test::OnNextModal(checkAndCancel);
    EXPECT_EQ(RunNoiseDialog(nullptr, noise), DialogResult::Cancel);
    DeleteElectrodeFields electrode{12.5, false, false};
    test::OnNextModal(checkAndCancel);
    EXPECT_EQ(RunDeleteElectrodeDialog(nullptr, electrode), DialogResult::Cancel);
}

// The name chosen comes back through File -> Save As (ImportWindowTest); Cancel keeps the
// old one although the dialog shows it selected.
TEST(DialogsTest, SaveAsCancelledKeepsTheOldName) {
    test::TempDir dir;
    const std::string old = (dir.path() / "a.dat").string();
    std::string path = old;
    test::OnNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(RunSaveAsDialog(nullptr, path), DialogResult::Cancel);
    EXPECT_EQ(path, old);
}

// Messages quote the offending line of a file; a box must not try to lay out a line of
// megabytes (the window would freeze), and what it shows must stay readable.
TEST(LongMessageTest, BoxesCutLongLinesAndKeepTheRest) {
    QtPrompts prompts;
    test::ModalAnswers answers;
    const std::string line(5'000'000, '7');
    prompts.Message("Error in data file:\n" + line + "\n/data/a.dat\nline 2", MessageKind::Error);
    const std::string before(99, 'x');
    prompts.AskYesNo(before + "\xC3\xA9" + line + "?");
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(answers.texts[0],
              "Error in data file:\n" + line.substr(0, 100) + " ...\n/data/a.dat\nline 2");
    // A cut never splits a character.
    EXPECT_EQ(answers.texts[1], before + " ...");
}

// Under a window manager a box with a short text still shows the program's whole name
// in its title bar.
TEST(ShortMessageTest, BoxesAreAsWideAsTheirTitleNeeds) {
    QtPrompts prompts;
    int width = 0;
    int needed = 0;
    int title = 0;  // the title and three buttons about a line wide
    test::OnNextModal([&](QWidget* box) {
        width = box->width();
        needed = TitleBarWidth(box);
        title = box->fontMetrics().horizontalAdvance(box->windowTitle()) +
                3 * box->fontMetrics().height();
        box->close();
    });
    prompts.Message("0 10 80 90", MessageKind::Error);
    EXPECT_GT(needed, title);
    EXPECT_GE(width, needed);
}

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
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Minimum)->accessibleName(), "+ Minimum");
        Type(dialog, control::Percent, "7");
        Type(dialog, control::Minimum, "0");
        test::ModalAnswers refusals;
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

TEST(DataPropertiesWindow, ClicksFillOneWindowWhoseSetAndEscapeWork) {
    test::Started started({"dipole-dipole.dat", "/pre"});
    CDatDoc& doc = started.app.Document();
    Click(started, 7);
    DatPropWindow* window = PropertiesWindow(doc);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlOf<QLineEdit>(window, 1007)->text().toStdString(),
              FormatFieldNumber(doc.observations[7].datum));
    Click(started, 9);  // refills the same window
    EXPECT_EQ(PropertiesWindow(doc), window);
    test::ExpectFormLayout(window);
    for (const int shown : {1003, 1004, 1005, 1006, 1007, 1008}) {  // electrodes, datum, rho
        const QLineEdit* field = ControlOf<QLineEdit>(window, shown);
        EXPECT_TRUE(field->isReadOnly() && !field->hasFrame()) << shown;
    }
    // "%" then 10 and Enter: the value follows and becomes the standard deviation.
    ControlOf<QRadioButton>(window, 1016)->click();
    EXPECT_TRUE(ControlOf<QLineEdit>(window, control::ErrorValue)->isReadOnly());
    Type(window, control::ErrorPercent, "10");
    QTest::keyClick(ControlOf<QLineEdit>(window, control::ErrorPercent), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(doc.observations[9].stdDev, std::fabs(doc.observations[9].datum) * 0.1);
    ControlOf<QRadioButton>(window, 1015)->click();  // back to the value
    EXPECT_FALSE(ControlOf<QLineEdit>(window, control::ErrorValue)->isReadOnly());
    EXPECT_TRUE(ControlOf<QLineEdit>(window, control::ErrorPercent)->isReadOnly());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
}

}  // namespace
}  // namespace oskava
