#include "app/DialogControls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "app/QtPrompts.h"

namespace oskava {

void KeepTitleReadable(QDialog* dialog) {
    // Window managers write titles in a bold face about the size of the application's
    // own, with an icon and up to three buttons on the bar, each about as wide as the
    // bar is high.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int title = QFontMetrics(font).horizontalAdvance(dialog->windowTitle());
    const int bar = std::max(dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                             QFontMetrics(font).height() * 2);
    dialog->setMinimumWidth(std::max(dialog->minimumSizeHint().width(), title + 5 * bar));
}

void NameAfterLabel(QWidget* control, const QString& label) {
    QString name = label;
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    control->setAccessibleName(name.trimmed());
}

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
