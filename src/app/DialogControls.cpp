#include "app/DialogControls.h"

#include "app/QtPrompts.h"

#include <QPushButton>

namespace oskava {

void ShowRefusal(QWidget* dialog, const Refusal& refusal) {
    QtPrompts prompts;
    prompts.SetParent(dialog);
    prompts.Message(refusal.message, MessageKind::Plain);
    if (QLineEdit* edit = ControlOf<QLineEdit>(dialog, refusal.control)) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace oskava
