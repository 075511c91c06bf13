#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/AboutDialog.h"
#include "app/IpUnitsDialog.h"
#include "app/MinMaxDialog.h"
#include "app/ModalAnswers.h"

namespace oskava {
namespace {

template <typename T>
T* Control(QWidget& dialog, const char* id) {
    T* control = dialog.findChild<T*>(QString::fromLatin1(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

void Show(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

TEST(DialogsTest, MinMaxShowsFifteenDigitsAndOnlyTheGroupsInUse) {
    MinMaxFields fields;
    fields.max1 = 1.0 / 3;
    fields.min1 = 0.1 + 0.2;
    CMinMax dialog(fields, nullptr);
    EXPECT_EQ(Control<QLineEdit>(dialog, "1002")->text(), "0.333333333333333");
    EXPECT_EQ(Control<QLineEdit>(dialog, "1001")->text(), "0.3");
    EXPECT_FALSE(Control<QLineEdit>(dialog, "1003")->isEnabled());
    EXPECT_EQ(Control<QGroupBox>(dialog, "1024")->title(), "");
    fields.secondGroup = true;
    fields.secondTitle = "errors";
    CMinMax second(fields, nullptr);
    EXPECT_TRUE(Control<QLineEdit>(second, "1005")->isEnabled());
    EXPECT_EQ(Control<QGroupBox>(second, "1024")->title(), "errors");
}

TEST(DialogsTest, MinMaxRefusesWithTheFocusBackOnTheFieldAndReturnsWhatWasTyped) {
    MinMaxFields fields;
    fields.max1 = 1000;
    fields.min1 = 10;
    fields.max2 = 2;
    fields.min2 = 1;
    fields.secondGroup = true;
    struct Case {
        const char* button;
        const char* field;
        const char* text;
        const char* message;
        const char* focus;  // null: the focus stays where it was
    };
    for (const Case& c : {Case{"1", "1005", " ", "Enter a number.", "1005"},
                          Case{"1004", "1001", "1e999", "Enter a number.", "1001"},
                          Case{"1", "1001", "1000", "min. should be less than max.", nullptr}}) {
        CMinMax dialog(fields, nullptr);
        Show(dialog);
        Control<QLineEdit>(dialog, c.field)->setText(QString::fromLatin1(c.text));
        test::ModalAnswers answers;
        QTest::mouseClick(Control<QPushButton>(dialog, c.button), Qt::LeftButton);
        EXPECT_EQ(answers.texts, std::vector<std::string>{c.message}) << c.field << " " << c.text;
        EXPECT_TRUE(dialog.isVisible());
        if (c.focus != nullptr) {
            EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, c.focus));
        }
    }
    for (const char* button : {"1004", "1"}) {  // Reset, then OK
        CMinMax dialog(fields, nullptr);
        Show(dialog);
        Control<QLineEdit>(dialog, "1003")->setText(" 4.5 ");
        QTest::mouseClick(Control<QPushButton>(dialog, button), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Fields().reset, std::string(button) == "1004");
        EXPECT_EQ(dialog.Fields().max2, 4.5);
    }
}

TEST(DialogsTest, IpUnitsOpensOnTheUnitAndReturnsTheChoiceAndAboutNamesTheManual) {
    CIpUnits dialog(2, nullptr);
    for (int k = 0; k < 5; ++k) {
        const std::string id = std::to_string(1017 + k);
        EXPECT_EQ(Control<QRadioButton>(dialog, id.c_str())->isChecked(), k == 2) << id;
    }
    Show(dialog);
    QTest::mouseClick(Control<QRadioButton>(dialog, "1021"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.UnitIndex(), 4);

    CAboutDlg about(nullptr);
    EXPECT_EQ(about.windowTitle(), "About OSKAVA Data Viewer");
    EXPECT_TRUE(Control<QPlainTextEdit>(about, "1041")
                    ->toPlainText()
                    .contains("Documentation (file name): oskava-data-man.html\n"));
}

}  // namespace
}  // namespace oskava
