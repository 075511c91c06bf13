#include "app/DeleteElectrodeDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/DialogControls.h"
#include "app/NumberField.h"

namespace oskava {

namespace {

QCheckBox* CheckBox(const char* text, int id, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::number(id));
    return box;
}

}  // namespace

CDlgDeleteElectrode::CDlgDeleteElectrode(const DeleteElectrodeFields& fields, QWidget* parent)
    : QDialog(parent),
      fields_(fields),
      location_(new NumberField(control::Location, this)),
      transmitter_(CheckBox("transmitter", control::Transmitter, this)),
      receiver_(CheckBox("receiver", control::Receiver, this)) {
    setWindowTitle(QStringLiteral("Delete Electrode"));
    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QGridLayout(this);
    auto* locationLabel = new QLabel(QStringLiteral("electrode location"), this);
    NameAfterLabel(location_, locationLabel->text());
    layout->addWidget(locationLabel, 0, 0);
    layout->addWidget(location_, 0, 1);
    layout->addWidget(transmitter_, 1, 0);
    layout->addWidget(receiver_, 2, 0);
    layout->addWidget(buttons, 3, 0, 1, 2);

    location_->SetValue(fields.location);
    transmitter_->setChecked(fields.transmitter);
    receiver_->setChecked(fields.receiver);
    location_->setFocus();
    KeepTitleReadable(this);
}

void CDlgDeleteElectrode::accept() {
    const Refusal refusal = ReadDeleteElectrodeEntries(
        FromQt(location_->text()), transmitter_->isChecked(), receiver_->isChecked(), fields_);
    if (refusal.Refused()) {
        ShowRefusal(this, refusal);
        return;
    }
    QDialog::accept();
}

DialogResult RunDeleteElectrodeDialog(QWidget* parent, DeleteElectrodeFields& fields) {
    CDlgDeleteElectrode dialog(fields, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    fields = dialog.fields();
    return DialogResult::Ok;
}

}  // namespace oskava
