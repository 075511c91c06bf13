#include "app/MinMaxDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/DialogControls.h"
#include "app/NumberField.h"
#include "app/QtPrompts.h"
#include "view/MinMaxRules.h"

namespace oskava {

namespace {

QGroupBox* RangeGroup(const QString& title, NumberField* max, NumberField* min, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    // Both groups have a Max and a Min: the group's title tells them apart.
    const QString of = title.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(title);
    NameAfterLabel(max, QStringLiteral("Max") + of);
    NameAfterLabel(min, QStringLiteral("Min") + of);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Max:"), max);
    form->addRow(QStringLiteral("Min:"), min);
    return group;
}

QPushButton* Button(const QString& text, const QString& id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(id);
    return button;
}

}  // namespace

CMinMax::CMinMax(const MinMaxFields& fields, QWidget* parent)
    : QDialog(parent),
      fields_(fields),
      max1_(new NumberField(1002, this)),
      min1_(new NumberField(1001, this)),
      max2_(new NumberField(1003, this)),
      min2_(new NumberField(1005, this)) {
    setWindowTitle(QStringLiteral("Set data range"));
    max1_->SetValue(fields.max1);
    min1_->SetValue(fields.min1);
    max2_->SetValue(fields.max2);
    min2_->SetValue(fields.min2);

    auto* groups = new QVBoxLayout;
    groups->addWidget(RangeGroup(QStringLiteral("observed data"), max1_, min1_, this));
    QGroupBox* second =
        RangeGroup(fields.secondGroup ? QString::fromStdString(fields.secondTitle) : QString(),
                   max2_, min2_, this);
    second->setObjectName(QStringLiteral("1024"));
    groups->addWidget(second);
    if (!fields.secondGroup) {
        max2_->setEnabled(false);
        min2_->setEnabled(false);
    }

    QPushButton* ok = Button(QStringLiteral("OK"), QStringLiteral("1"), this);
    QPushButton* reset = Button(QStringLiteral("Reset"), QStringLiteral("1004"), this);
    QPushButton* cancel = Button(QStringLiteral("Cancel"), QStringLiteral("2"), this);
    ok->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(reset);
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(ok, &QPushButton::clicked, this, &CMinMax::OnOk);
    connect(reset, &QPushButton::clicked, this, &CMinMax::OnReset);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    KeepTitleReadable(this);
}

bool CMinMax::ExchangeData() {
    const std::pair<NumberField*, double*> order[] = {{max1_, &fields_.max1},
                                                      {min1_, &fields_.min1},
                                                      {max2_, &fields_.max2},
                                                      {min2_, &fields_.min2}};
    for (const auto& [field, value] : order) {
        const std::optional<double> number = field->Value();
        if (!number) {
            return false;
        }
        *value = *number;
    }
    return true;
}

void CMinMax::OnOk() {
    if (!ExchangeData()) {
        return;
    }
    const std::string refusal = MinMaxRefusal(fields_);
    if (!refusal.empty()) {
        QtPrompts prompts;
        prompts.SetParent(this);
        prompts.Message(refusal, MessageKind::Plain);
        return;
    }
    fields_.reset = false;
    accept();
}

void CMinMax::OnReset() {
    fields_.reset = true;
    if (ExchangeData()) {
        accept();
    }
}

}  // namespace oskava
