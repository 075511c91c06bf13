// Edit > Filter data in the window: the dialog's live count follows its fields and its
// quantity, and a filter applied asks, then deletes as one edit.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/DialogControls.h"
#include "app/DialogLayout.h"
#include "app/FilterDialog.h"
#include "app/ModalAnswers.h"
#include "app/StartedApp.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

void Type(QWidget* dialog, int id, const char* text) {
    ControlOf<QLineEdit>(dialog, id)->selectAll();
    QTest::keyClicks(ControlOf<QLineEdit>(dialog, id), text);
}

TEST(FilterWindowTest, TheCountFollowsTheFieldsAndTheQuantity) {
    test::Started started({"dipole-dipole.dat", "/pre"});
    const CDatDoc& doc = started.app.Document();
    CFilterData dialog(doc, InitialFilterFields(doc, FilterState{}), nullptr);
    const std::vector<double> rhoa = QuantityValues(doc, Quantity::ApparentResistivity);
    const auto count = [&dialog, &doc](size_t outside) {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("count"))->text().toStdString(),
                  OutsideCountText(outside, doc.observations.size()));
    };
    count(0);
    Type(&dialog, control::FilterMaximum, "100");
    count(DataOutside(rhoa, -INFINITY, 100).size());
    // Typed a key at a time, "5o" was 5 last; Apply refuses it with the focus on it.
    Type(&dialog, control::FilterMinimum, "5o");
    count(DataOutside(rhoa, 5, 100).size());
    dialog.show();
    test::ExpectFormLayout(&dialog);
    test::ModalAnswers refusals;
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    EXPECT_EQ(refusals.texts, std::vector<std::string>{"Enter a number."});
    // Another quantity starts at its whole range.
    auto* quantity = ControlOf<QComboBox>(&dialog, control::FilterQuantity);
    quantity->setCurrentIndex(quantity->findText(QStringLiteral("|geometric factor| (m)")));
    count(0);
}

TEST(FilterWindowTest, ApplyAsksAndDeletesAsOneEdit) {
    test::Started started({"dipole-dipole.dat"});
    test::OnNextModal([](QWidget* dialog) {
        Type(dialog, control::FilterMaximum, "100");
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    test::ModalAnswers answers(QMessageBox::Yes);
    started.frame().RunCommand(command::FilterData);
    EXPECT_EQ(answers.texts, std::vector<std::string>{"Are you sure you want to delete 342 data?"});
    EXPECT_EQ(started.frame().MenuAction(command::EditUndo)->text(), "Undo Filter data");
}

}  // namespace
}  // namespace oskava
