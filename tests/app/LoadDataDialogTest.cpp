// The Load Data dialog on the offscreen platform: OK's checks with their messages and
// focus, what the dialog shows and hands back, drops onto the file-name boxes, Browse,
// and a survey opened through it from the window's menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

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

QString Name(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

CEditDrop* Edit(QWidget& dialog, const char* id) {
    return dialog.findChild<CEditDrop*>(id);
}

// Fills the dialog's boxes, checks the data type (unless none is given), clicks OK.
void FillAndOk(QWidget& dialog, const LoadDataFields& typed, const char* typeId) {
    Edit(dialog, "1001")->setText(Name(typed.dataFile));
    Edit(dialog, "1003")->setText(Name(typed.predictedFile));
    Edit(dialog, "1005")->setText(Name(typed.topographyFile));
    if (typeId) {
        QTest::mouseClick(dialog.findChild<QRadioButton*>(typeId), Qt::LeftButton);
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
}

class LoadDataDialog : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::ScriptedPrompts prompts;
    std::string data = dir.Write("línea 4.dat", "t\n0 10 20 30 -0.01\n");
    std::string gone = (dir.path() / "gone.dat").string();

    // A shown dialog, its boxes filled, OK clicked.
    std::unique_ptr<CDlgLoadData> Submit(const LoadDataFields& typed, const char* typeId) {
        auto dialog = std::make_unique<CDlgLoadData>(LoadDataFields{}, prompts);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        FillAndOk(*dialog, typed, typeId);
        return dialog;
    }
};

TEST_F(LoadDataDialog, OkChecksInOrderWithMessageAndFocus) {
    struct Case {
        LoadDataFields typed;
        const char* typeId;
        std::string message;
        const char* focus;
    };
    const Case cases[] = {
        {{data, "", ""}, nullptr, "DC or IP data type should be checked.", "1"},
        {{"", gone, gone}, "1022", "Data file is missing.", "1"},
        {{gone, gone, gone}, "1023", "Data file:\n" + gone + "\nnot found.", "1001"},
        {{data, gone, gone}, "1022", "Data file:\n" + gone + "\nnot found.", "1003"},
        {{data, "", gone}, "1022", "Topography file:\n" + gone + "\nnot found.", "1005"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        prompts.messages.clear();
        const auto dialog = Submit(c.typed, c.typeId);
        EXPECT_EQ(prompts.messages,
                  (std::vector<test::ShownMessage>{{c.message, MessageKind::Plain}}));
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus);
    }
    prompts.messages.clear();
    const auto accepted = Submit({data, data, dir.path().string()}, "1023");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(accepted->result(), QDialog::Accepted);
    const LoadDataFields& f = accepted->fields();
    EXPECT_EQ(std::vector<std::string>({f.dataFile, f.predictedFile, f.topographyFile}),
              std::vector<std::string>({data, data, dir.path().string()}));
    EXPECT_FALSE(f.isDC);
}

TEST_F(LoadDataDialog, DropTakesTheFirstLocalFileWholeWithItsNameSelected) {
    CEditDrop edit;
    EXPECT_TRUE(edit.acceptDrops());
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
    const QString folder = QString("/données/") + QString(600, 'x') + "/";
    const auto drop = [&](const QList<QUrl>& urls, const QString& text = {}) {
        QMimeData mime;
        mime.setUrls(urls);
        if (!text.isEmpty()) {
            mime.setText(text);
        }
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &drop);
    };
    edit.setText("typed");
    drop({QUrl::fromLocalFile(folder + "ß 1.dat"), QUrl::fromLocalFile("/b.dat")});
    EXPECT_EQ(edit.text(), folder + "ß 1.dat");
    EXPECT_EQ(edit.selectedText(), "ß 1.dat");
    EXPECT_TRUE(edit.hasFocus());

    drop({QUrl("https://example.org/a.dat")});
    drop({}, "/plain/text.dat");
    EXPECT_EQ(edit.text(), folder + "ß 1.dat");
}

TEST_F(LoadDataDialog, ShowsTheLastNamesAndBrowsePutsTheChosenPathInItsBox) {
    CDlgLoadData dialog(LoadDataFields{gone, "", "", true}, prompts);
    EXPECT_EQ(Edit(dialog, "1001")->text(), Name(gone));
    struct Browse {
        const char *button, *box;
        QString title;
    };
    for (const Browse& b :
         {Browse{"1002", "1001", "Load data 1"}, Browse{"1004", "1003", "Load data 2"},
          Browse{"1006", "1005", "Load topography"}}) {
        QString title;
        test::OnNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            static_cast<QFileDialog*>(modal)->selectFile(Name(data));
            QMetaObject::invokeMethod(modal, "accept", Qt::DirectConnection);
        });
        dialog.findChild<QPushButton*>(b.button)->click();
        EXPECT_EQ(title, b.title);
        EXPECT_EQ(Edit(dialog, b.box)->text(), Name(data));
    }
}

// File Open through the real dialog, the window's title, and Exit asking whether to
// save changes.
const std::string kExamples = OSKAVA_EXAMPLES_DIR;

TEST(OpenSaveApplication, LoadDataDialogOpensIpAndPredictedDataAndExitAsks) {
    CDatApp app;
    ASSERT_EQ(app.InitInstance({}), std::nullopt);
    const std::string data = kExamples + "/ip-dipole-dipole.dat";
    test::OnNextModal([&](QWidget* modal) {
        FillAndOk(*modal, {data, kExamples + "/brisko.pre", ""}, "1023");
    });
    app.MainFrame().MenuAction(command::FileOpen)->trigger();
    CDatDoc& doc = app.Document();
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_FALSE(doc.isDC);
    EXPECT_EQ(app.MainFrame().windowTitle().toStdString(), data + " - OSKAVA Data Viewer");

    doc.SetModifiedFlag();
    {
        test::ModalAnswers cancel(QMessageBox::Cancel);
        app.MainFrame().MenuAction(command::AppExit)->trigger();
        EXPECT_EQ(cancel.texts, std::vector<std::string>{"Save changes to ip-dipole-dipole.dat?"});
        EXPECT_TRUE(app.MainFrame().isVisible());
    }
    test::ModalAnswers no(QMessageBox::No);
    app.MainFrame().MenuAction(command::AppExit)->trigger();
    EXPECT_FALSE(app.MainFrame().isVisible());
}

}  // namespace
}  // namespace oskava
