// The analysis windows of the View menu: a survey without pairs offers no error
// analysis, and a click on a bar of the misfit chart deletes that electrode through
// the Delete Electrode dialog, after which the chart follows the data.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "analysis/ErrorAnalysis.h"
#include "analysis/MisfitChart.h"
#include "app/CorePicture.h"
#include "app/DialogControls.h"
#include "app/MisfitWindow.h"
#include "app/ModalAnswers.h"
#include "app/StartedApp.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

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
}

}  // namespace
}  // namespace oskava
