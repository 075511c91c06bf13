#include "app/PictureSaving.h"

#include <QFile>
#include <QFileDialog>

#include "app/PictureOutput.h"
#include "survey/DatDoc.h"
#include "survey/FilePaths.h"
#include "view/DatView.h"

namespace oskava {

void SavePictureAs(QWidget* parent, CDatView& view) {
    CDatDoc& doc = view.GetDocument();
    const QStringList filters = {QStringLiteral("PNG picture (*.png)"),
                                 QStringLiteral("SVG drawing (*.svg)"),
                                 QStringLiteral("PDF document (*.pdf)")};
    const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"),
                                  QStringLiteral("pdf")};
    QFileDialog dialog(parent, QStringLiteral("Save picture as"), QString(), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension takes the one of the filter chosen.
    dialog.setDefaultSuffix(suffixes[0]);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &suffixes](const QString& filter) {
                         dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter)));
                     });
    dialog.selectFile(
        QFile::decodeName(QByteArray::fromStdString(WithExtension(doc.dataFileName, ".png"))));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const std::string path = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    if (!PictureFormatOf(path)) {
        doc.prompts().Message("A picture is written as .png, .svg or .pdf: \n" + path,
                              MessageKind::Warning);
        return;
    }
    const std::string failure =
        WritePicture(path, *PictureFormatOf(path), QSize(view.totalSize.cx, view.totalSize.cy),
                     [&view](Canvas& canvas) { view.RenderSurface(canvas); });
    if (!failure.empty()) {
        doc.prompts().Message("Error writing picture: \n" + path + "\n" + failure,
                              MessageKind::Warning);
    }
}

}  // namespace oskava
