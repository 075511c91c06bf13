#include "app/NoiseDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/DialogControls.h"
#include "app/NumberField.h"

namespace oskava {

CNoise::CNoise(const NoiseFields& fields, QWidget* parent)
    : QDialog(parent),
      fields_(fields),
      percent_(new NumberField(control::Percent, this)),
      minimum_(new NumberField(control::Minimum, this)) {
    setWindowTitle(ToQt(NoiseDialogTitle(fields.noiseMode)));
    auto* percentLabel = new QLabel(QStringLiteral("Percent (%):"), this);
    auto* minimumLabel = new QLabel(QStringLiteral("+ Minimum:"), this);
    minimumLabel->setObjectName(QStringLiteral("1001"));
    NameAfterLabel(percent_, percentLabel->text());
    NameAfterLabel(minimum_, minimumLabel->text());
    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(percentLabel, 0, 0);
    layout->addWidget(percent_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("(for 5%, enter 5)"), this), 1, 0, 1, 2);
    layout->addWidget(minimumLabel, 2, 0);
    layout->addWidget(minimum_, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);

    percent_->SetValue(fields.percent);
    minimum_->SetValue(fields.minimum);
    percent_->setFocus();
    KeepTitleReadable(this);
}

void CNoise::accept() {
    const Refusal refusal =
        ReadNoiseEntries(FromQt(percent_->text()), FromQt(minimum_->text()), fields_);
    if (refusal.Refused()) {
        ShowRefusal(this, refusal);
        return;
    }
    QDialog::accept();
}

DialogResult RunNoiseDialog(QWidget* parent, NoiseFields& fields) {
    CNoise dialog(fields, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    fields = dialog.fields();
    return DialogResult::Ok;
}

}  // namespace oskava
