// What the Qt dialogs share: controls named after their ids, a width that shows the
// whole title, and the refusal of an entry: the core's words in a box without an
// icon, then the focus back on the offending field with its text selected.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QString>

#include "editing/EditDialogRules.h"

namespace oskava {

/// The child control that carries a dialog's control id as its object name.
template <typename Control>
Control* ControlOf(const QWidget* dialog, int id) {
    return dialog->findChild<Control*>(QString::number(id));
}

/// Makes the dialog, whose layout is complete, at least as wide as a window manager's
/// title bar needs to show its whole title beside the bar's buttons.
void KeepTitleReadable(QDialog* dialog);

/// Names the control, for screen readers, after the label the dialog shows beside it.
void NameAfterLabel(QWidget* control, const QString& label);

/// Shows the refusal over the dialog and gives its control the focus.
void ShowRefusal(QWidget* dialog, const Refusal& refusal);

/// OK (the default button, object name "1") and Cancel ("2") wired to the dialog's
/// accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

/// The dialogs' text of a field, and back.
inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

}  // namespace oskava
