// The Min/Max and IP units dialogs, and message boxes with very long lines.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/DialogControls.h"
#include "app/IpUnitsDialog.h"
#include "app/MinMaxDialog.h"
#include "app/ModalAnswers.h"
#include "app/QtPrompts.h"

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
    EXPECT_FALSE(ControlOf<QLineEdit>(&single, 1003)->isEnabled());
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
        ControlOf<QLineEdit>(&dialog, 1003)->setText(" 4.5 ");
        QTest::mouseClick(ControlOf<QPushButton>(&dialog, button), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Fields().reset, button == 1004);
        EXPECT_EQ(dialog.Fields().max2, 4.5);
        EXPECT_EQ(ControlOf<QGroupBox>(&dialog, 1024)->title(), "errors");
    }
}

TEST(DialogsTest, IpUnitsOpensOnTheUnitAndReturnsTheChoice) {
    CIpUnits dialog(2, nullptr);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(ControlOf<QRadioButton>(&dialog, 1017 + k)->isChecked(), k == 2) << k;
    }
    Show(dialog);
    QTest::mouseClick(ControlOf<QRadioButton>(&dialog, 1021), Qt::LeftButton);
    QTest::mouseClick(ControlOf<QPushButton>(&dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.UnitIndex(), 4);
}

// Messages quote the offending line of a file; a box must not try to lay out a line of
// megabytes (the window would freeze), and what it shows must stay readable.
TEST(LongMessageTest, BoxesCutLongLinesAndKeepTheRest) {
    QtPrompts prompts;
    test::ModalAnswers answers;
    const std::string line(5'000'000, '7');
    prompts.Message("Error in data file:\n" + line + "\n/data/a.dat", MessageKind::Error);
    const std::string before(99, 'x');
    prompts.AskYesNo(before + "\xC3\xA9" + line + "?");
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(answers.texts[0],
              "Error in data file:\n" + line.substr(0, 100) + " ...\n/data/a.dat");
    // A cut never splits a character.
    EXPECT_EQ(answers.texts[1], before + " ...");
}

}  // namespace
}  // namespace oskava
