// File Open, Save As and the save-changes question in the window: the commands reach
// the document, Exit asks, and the real Load Data dialog opens a survey.
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "app/DatApp.h"
#include "app/DlgLoadData.h"
#include "app/EditDrop.h"
#include "app/MainFrame.h"
#include "app/ModalAnswers.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

const std::string kExamples = OSKAVA_EXAMPLES_DIR;

void ClickBox(QMessageBox::StandardButton button, std::string* text = nullptr) {
    test::OnNextModal([button, text](QWidget* modal) {
        auto& box = dynamic_cast<QMessageBox&>(*modal);
        if (text) {
            *text = box.text().toStdString();
        }
        box.button(button)->click();
    });
}

// A window on a document whose questions are answered from a script.
class OpenSaveWindow : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::ScriptedPrompts prompts;
    CDatDoc doc{prompts};
    CommandTarget application;
    CMainFrame frame{doc, application};
    std::string survey = dir.Write("a.dat", "t\n0 10 20 30 -0.01\n0 10 30 40 -0.002\n");
};

TEST_F(OpenSaveWindow, MenuCommandsReachTheDocument) {
    const std::string saved = (dir.path() / "b.dat").string();
    QAction* saveAs = frame.MenuAction(command::FileSaveAs);
    EXPECT_FALSE(saveAs->isEnabled());
    prompts.loadDataEdits = {LoadDataFields{survey, "", "", true}};
    frame.MenuAction(command::FileOpen)->trigger();
    EXPECT_TRUE(saveAs->isEnabled());
    prompts.saveAsPaths = {saved};
    saveAs->trigger();
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(frame.windowTitle().toStdString(), saved + " - OSKAVA Data Viewer");
}

TEST(OpenSaveApplication, LoadDataDialogOpensIpAndPredictedDataAndExitAsks) {
    CDatApp app;
    ASSERT_EQ(app.InitInstance({}), std::nullopt);
    const auto openThroughDialog = [&](const std::string& data, const char* type,
                                       const std::string& predicted, const std::string& topo) {
        test::OnNextModal([&](QWidget* modal) {
            auto& dialog = dynamic_cast<CDlgLoadData&>(*modal);
            dialog.findChild<CEditDrop*>("1001")->setText(QString::fromStdString(data));
            dialog.findChild<CEditDrop*>("1003")->setText(QString::fromStdString(predicted));
            dialog.findChild<CEditDrop*>("1005")->setText(QString::fromStdString(topo));
            dialog.findChild<QRadioButton*>(type)->click();
            dialog.findChild<QPushButton*>("1")->click();
        });
        app.MainFrame().MenuAction(command::FileOpen)->trigger();
    };
    CDatDoc& doc = app.Document();
    openThroughDialog(kExamples + "/ip-dipole-dipole.dat", "1023", kExamples + "/brisko.pre", "");
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_FALSE(doc.isDC);

    doc.SetModifiedFlag();
    std::string question;
    ClickBox(QMessageBox::Cancel, &question);
    app.MainFrame().MenuAction(command::AppExit)->trigger();
    EXPECT_EQ(question, "Save changes to ip-dipole-dipole.dat?");
    EXPECT_TRUE(app.MainFrame().isVisible());
    ClickBox(QMessageBox::No);
    app.MainFrame().MenuAction(command::AppExit)->trigger();
    EXPECT_FALSE(app.MainFrame().isVisible());
}

}  // namespace
}  // namespace oskava
