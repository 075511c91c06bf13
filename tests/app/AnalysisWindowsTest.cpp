// The analysis windows of the View menu: a survey without pairs offers no error
// analysis; the error analysis follows its choice of model and the edits it makes; a
// click on a bar of the misfit chart deletes that electrode through the Delete
// Electrode dialog, after which the chart follows the data.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "analysis/ErrorAnalysis.h"
#include "analysis/ErrorEdits.h"
#include "analysis/MisfitChart.h"
#include "app/CorePicture.h"
#include "app/DialogControls.h"
#include "app/DialogLayout.h"
#include "app/ErrorAnalysisWindow.h"
#include "app/MisfitWindow.h"
#include "app/ModalAnswers.h"
#include "app/StartedApp.h"
#include "support/TempDir.h"
#include "survey/CFormat.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

// Ten quadrupoles read twice: the first five readings 20 % apart, the others 5 %.
std::string TwiceReadSurvey() {
    std::string text = "read twice\n";
    for (int k = 0; k < 20; ++k) {
        const int a = k % 10 * 10;
        text += CFormat("%d %d %d %d %s\n", a, a + 10, a + 20, a + 30,
                        k < 10   ? "-1"
                        : k < 15 ? "-1.2"
                                 : "-1.05");
    }
    return text;
}

TEST(AnalysisWindowsTest, ErrorAnalysisFollowsItsModelAndTheEditsItMakes) {
    test::TempDir dir;
    test::Started started({dir.Write("twice.dat", TwiceReadSurvey())});
    CDatDoc& doc = started.app.Document();
    started.frame().RunCommand(command::ErrorAnalysis);
    auto* window = started.frame().findChild<ErrorAnalysisWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // the other windows stay usable
    test::ExpectFormLayout(window);
    const auto shown = [window] {
        return window->findChild<QLabel*>(QStringLiteral("text"))->text().toStdString();
    };
    EXPECT_EQ(shown(), ErrorAnalysisText(AnalyseErrors(doc.observations, ErrorModelKind::Linear)));
    window->findChild<QComboBox*>(QStringLiteral("model"))->setCurrentIndex(1);
    EXPECT_EQ(shown(), ErrorAnalysisText(AnalyseErrors(doc.observations, ErrorModelKind::Power)));
    auto* assign = window->findChild<QPushButton*>(QStringLiteral("assign"));
    assign->click();
    EXPECT_EQ(doc.journal().UndoName(), "Assign standard deviations from the model");

    auto* percent = ControlOf<QLineEdit>(window, control::DropAbovePercent);
    auto* remove = window->findChild<QPushButton*>(QStringLiteral("delete"));
    percent->setText(QStringLiteral(" 15 "));
    EXPECT_EQ(remove->text(), "Delete pairs above 15 %");
    test::ModalAnswers answers(QMessageBox::Yes);
    remove->click();
    ASSERT_EQ(doc.dataCount, 10);
    // Five pairs are left: too few for a model.
    EXPECT_EQ(shown(), ErrorAnalysisText(AnalyseErrors(doc.observations, ErrorModelKind::Power)));
    EXPECT_FALSE(assign->isEnabled());
    EXPECT_TRUE(remove->isEnabled() && percent->isEnabled());
    percent->setText(QStringLiteral("x"));
    remove->click();
    EXPECT_EQ(answers.texts, (std::vector<std::string>{"Are you sure you want to delete 10 data?",
                                                       "Enter a number."}));

    doc.isDC = false;
    window->ShowInFront();
    EXPECT_EQ(shown(), "Error analysis needs DC data.");
    EXPECT_FALSE(remove->isEnabled() || percent->isEnabled());
}

TEST(AnalysisWindowsTest, NoPairsNoWindowAndABarClickDeletesItsElectrode) {
    test::Started started({"dipole-dipole.dat", "/pre"});
    CMainFrame& frame = started.frame();
    CDatDoc& doc = started.app.Document();
    {
        test::ModalAnswers answers;
        frame.RunCommand(command::ErrorAnalysis);
        EXPECT_EQ(answers.texts, std::vector<std::string>{kNoPairs});
    }
    frame.RunCommand(command::ElectrodeMisfit);
    auto* window = frame.findChild<MisfitWindow*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_FALSE(window->Rows().empty());
    const int height = window->Picture()->height();
    window->resize(window->width(), window->height() + 100);
    QTest::qWait(20);
    EXPECT_EQ(window->Picture()->height(), height + 100);  // the chart takes the room
    const double top = window->Rows().front().x;

    // Where the chart draws that bar: its column, halfway up the area.
    std::optional<QPoint> at;
    const MisfitChart chart = window->Chart();
    CorePicture* picture = window->Picture();
    for (int x = 0; x < picture->width() && !at; ++x) {
        if (chart.PositionAt(Point{x, picture->height() / 2}) == top) {
            at = QPoint(x, picture->height() / 2);
        }
    }
    ASSERT_TRUE(at);
    const int32_t count = doc.dataCount;
    test::ModalAnswers yes(QMessageBox::Yes);
    test::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(ControlOf<QLineEdit>(dialog, control::Location)->text().toDouble(), top);
        ControlOf<QCheckBox>(dialog, control::Transmitter)->click();
        ControlOf<QCheckBox>(dialog, control::Receiver)->click();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    QTest::mouseClick(picture, Qt::LeftButton, {}, *at);
    EXPECT_LT(doc.dataCount, count);
    EXPECT_EQ(doc.journal().UndoName(), "Delete electrode");
    for (const ElectrodeMisfit& row : window->Rows()) {
        EXPECT_NE(row.x, top);
    }
    doc.predictedLoaded = false;  // as after opening a survey without predicted data
    window->ShowInFront();
    EXPECT_TRUE(window->Rows().empty());
}

}  // namespace
}  // namespace oskava
