#include "app/IpUnitsDialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogControls.h"

namespace oskava {

namespace {

constexpr int kFirstUnitButton = 1017;
const char* const kUnitNames[] = {"Default", "Phase (mrad)", "PFE (%)", "Time (msec)",
                                  "Chargeability (x100)"};

}  // namespace

CIpUnits::CIpUnits(int unitIndex, QWidget* parent)
    : QDialog(parent), opened_(unitIndex), units_(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("IP Units"));
    auto* radios = new QVBoxLayout;
    for (int k = 0; k < 5; ++k) {
        auto* radio = new QRadioButton(QString::fromUtf8(kUnitNames[k]), this);
        radio->setObjectName(QString::number(kFirstUnitButton + k));
        radio->setChecked(k == unitIndex);
        units_->addButton(radio, k);
        radios->addWidget(radio);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(radios);
    layout->addLayout(buttons);
    KeepTitleReadable(this);
}

int CIpUnits::UnitIndex() const {
    const int checked = units_->checkedId();
    return checked >= 0 ? checked : opened_;
}

}  // namespace oskava
