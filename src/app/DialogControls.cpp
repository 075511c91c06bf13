#include "app/DialogControls.h"

#include <QMessageBox>
#include <QPushButton>

namespace oskava {

void ShowRefusal(QWidget* dialog, const Refusal& refusal) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("oskava-data-viewer"),
                    ToQt(refusal.message), QMessageBox::Ok, dialog);
    box.exec();
    if (QLineEdit* edit = ControlOf<QLineEdit>(dialog, refusal.control)) {
        edit->setFocus();
        edit->selectAll();
    }
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("IDOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("IDCANCEL"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit* NumberEdit(QWidget* parent, int id) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    return edit;
}

}  // namespace oskava
