// File -> Import through the window's own dialogs with a DC/IP file, then Save As
// writing the electrodes' elevations beside the observation file.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QRadioButton>

#include "app/ImportDialog.h"
#include "app/ModalAnswers.h"
#include "app/StartedApp.h"
#include "support/TempDir.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

const char kRidge[] =
    "# Ridge\n4\n# x z\n0 100\n1 101\n2 101.5\n3 100.5\n2\n# a b m n r ip iperr\n"
    "1 2 3 4 -0.5 3 0.1\n1 4 2 3 0.25 4 0.2\n0\n";

QString Name(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Answers the file dialog that opens next with the path, after an optional look at it.
void ChooseFile(const std::string& path, std::function<void(QFileDialog*)> look = nullptr) {
    test::OnNextModal([path, look](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        if (look) {
            look(files);
        }
        files->selectFile(Name(path));
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
    });
}

TEST(ImportWindowTest, TheImportDialogHandsBackTheFormatAndTypeItOpenedWith) {
    for (const std::optional<ForeignFormat> format :
         {std::optional<ForeignFormat>(), std::optional(ForeignFormat::Unified),
          std::optional(ForeignFormat::Res2DInv), std::optional(ForeignFormat::Syscal)}) {
        const CImportDialog dialog(ImportFields{"a.dat", format, false}, nullptr);
        EXPECT_TRUE(dialog.Fields().format == format && !dialog.Fields().isDC);
    }
}

TEST(ImportWindowTest, TheExportDialogHandsBackTheFormatOfTheFilterItOpenedOn) {
    test::TempDir dir;
    for (const ForeignFormat format : {ForeignFormat::Unified, ForeignFormat::Res2DInv}) {
        ExportFields fields{(dir.path() / "out.dat").string(), format};
        test::OnNextModal([](QWidget* modal) {
            QMetaObject::invokeMethod(modal, "accept", Qt::DirectConnection);
        });
        ASSERT_EQ(RunExportDialog(nullptr, fields), DialogResult::Ok);
        EXPECT_EQ(fields.format, format);
    }
}

TEST(ImportWindowTest, ImportAsIpThroughTheMenuThenSaveAsWritesTheGround) {
    test::TempDir dir;
    const std::string ridge = dir.Write("ridge.ohm", kRidge);
    const std::string saved = (dir.path() / "saved.dat").string();
    test::Started started({});
    test::ModalAnswers boxes;
    ChooseFile(ridge, [](QFileDialog*) {
        // The file chosen, the Import dialog asks how to read it.
        test::OnNextModal([](QWidget* how) {
            how->findChild<QRadioButton*>("ip")->click();
            QMetaObject::invokeMethod(how, "accept", Qt::DirectConnection);
        });
    });
    started.frame().MenuAction(command::FileImport)->trigger();
    const CDatDoc& doc = started.app.Document();
    ASSERT_TRUE(doc.dataReady);
    EXPECT_FALSE(doc.isDC);
    EXPECT_EQ(doc.observations[0].datum, 3);
    EXPECT_EQ(started.frame().windowTitle(), Name(ridge) + " (imported) - OSKAVA Data Viewer");

    QString proposed;
    ChooseFile(saved,
               [&proposed](QFileDialog* files) { proposed = files->selectedFiles().value(0); });
    started.frame().MenuAction(command::FileSaveAs)->trigger();
    EXPECT_EQ(proposed, Name((dir.path() / "ridge.dat").string()));
    const std::string topo = (dir.path() / "saved.topo").string();
    EXPECT_EQ(test::ReadAll(topo), "4\n101.5\n0 100\n1 101\n2 101.5\n3 100.5\n");
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0],
              "Topography file written: " + topo +
                  "\nIt holds the electrodes' elevations: open it as the topography of " + saved +
                  ".");
    EXPECT_EQ(started.frame().windowTitle(), Name(saved) + " - OSKAVA Data Viewer");
}

}  // namespace
}  // namespace oskava
