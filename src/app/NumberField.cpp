#include "app/NumberField.h"

#include "app/QtPrompts.h"
#include "editing/FieldNumbers.h"

namespace oskava {

NumberField::NumberField(int controlId, QWidget* parent) : QLineEdit(parent) {
    setObjectName(QString::number(controlId));
    setAlignment(Qt::AlignRight);
    // Room for the longest number a field shows, 15 digits with sign and exponent.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-8.88888888888888e-308")) + 12);
}

void NumberField::SetValue(double value) {
    setText(QString::fromStdString(FormatFieldNumber(value)));
}

std::optional<double> NumberField::Value() {
    const std::optional<double> value = ParseFieldNumber(text().toStdString());
    if (!value) {
        Refuse(kEnterANumber);
    }
    return value;
}

void NumberField::Refuse(const std::string& text) {
    QtPrompts prompts;
    prompts.SetParent(window());
    prompts.Message(text, MessageKind::Plain);
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

}  // namespace oskava
