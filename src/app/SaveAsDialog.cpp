#include "app/SaveAsDialog.h"

#include <QFile>
#include <QFileDialog>

namespace oskava {

DialogResult RunSaveAsDialog(QWidget* parent, std::string& path) {
    // Every file is offered: "*.*" would hide names without a dot.
    QFileDialog dialog(parent, "Save As", QString(), "All Files (*)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(path)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return DialogResult::Cancel;
    }
    path = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    return DialogResult::Ok;
}

}  // namespace oskava
