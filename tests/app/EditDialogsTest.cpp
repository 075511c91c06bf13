// The editing dialogs on the screen: the standard-deviation and Delete Electrode
// dialogs, and the modeless Data Properties window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/DialogControls.h"
#include "app/NoiseDialog.h"

namespace oskava {
namespace {

// Runs the action on the next modal window that opens (a dialog, then its message
// box), from the event loop that window runs.
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

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
    OnNextModal([&shown](QWidget* box) {
        shown = static_cast<QMessageBox*>(box)->text();
        box->close();
    });
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    return shown;
}

TEST(NoiseDialog, RefusesOutOfRangeThenAcceptsTheEntries) {
    NoiseFields fields{5, 0.001, true};
    QString title;
    QString refusals;
    OnNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Minimum)->text(), "0.001");
        Type(dialog, control::Percent, "500.5");
        refusals += OkRefused(dialog);
        EXPECT_EQ(dialog->focusWidget(), ControlOf<QLineEdit>(dialog, control::Percent));
        Type(dialog, control::Percent, "7");
        Type(dialog, control::Minimum, "0");
        refusals += "|" + OkRefused(dialog);
        Type(dialog, control::Minimum, "2");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ASSERT_EQ(RunNoiseDialog(nullptr, fields), DialogResult::Ok);
    EXPECT_EQ(title, "Add Gaussian Noise");
    EXPECT_EQ(refusals, "Enter a number between 0 and 500.|Minimum must be greater than 0.");
    EXPECT_EQ(fields.percent, 7);
    EXPECT_EQ(fields.minimum, 2);
}

TEST(DeleteElectrodeDialog, NeedsABoxAndCancelChangesNothing) {
    DeleteElectrodeFields fields{12.5, false, false};
    QString refusal;
    OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Delete Electrode");
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Location)->text(), "12.5");
        refusal = OkRefused(dialog);
        ControlOf<QCheckBox>(dialog, control::Receiver)->click();
        Type(dialog, control::Location, "10");
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    ASSERT_EQ(RunDeleteElectrodeDialog(nullptr, fields), DialogResult::Ok);
    EXPECT_EQ(refusal, "Transmitter and/or receiver must be checked.");
    EXPECT_EQ(fields.location, 10);
    EXPECT_TRUE(fields.receiver && !fields.transmitter);

    OnNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(RunDeleteElectrodeDialog(nullptr, fields), DialogResult::Cancel);
}

}  // namespace
}  // namespace oskava
