#include "app/DialogControls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "app/QtPrompts.h"

namespace oskava {

int TitleBarWidth(const QWidget* window) {
    // Window managers write titles in a bold face about the size of the application's
    // own, with an icon and up to three buttons on the bar, each about as wide as the
    // bar is high.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int title = QFontMetrics(font).horizontalAdvance(window->windowTitle());
    const int bar = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                             QFontMetrics(font).height() * 2);
    return title + 5 * bar;
}

void KeepTitleReadable(QDialog* dialog) {
    dialog->setMinimumWidth(std::max(dialog->minimumSizeHint().width(), TitleBarWidth(dialog)));
}

void KeepTitleReadable(QMessageBox* box) {
    // A message box fixes its own size from its layout when it is shown, so a minimum
    // width set on the box is lost; a strut across the layout's columns is not.
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    if (grid == nullptr) {
        return;
    }
    grid->addItem(new QSpacerItem(TitleBarWidth(box), 0, QSizePolicy::Minimum), grid->rowCount(), 0,
                  1, grid->columnCount());
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
