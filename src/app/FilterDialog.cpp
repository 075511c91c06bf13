#include "app/FilterDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/CorePicture.h"
#include "app/DialogControls.h"
#include "app/NumberField.h"
#include "editing/FieldNumbers.h"

namespace oskava {

CFilterData::CFilterData(const CDatDoc& doc, const FilterFields& fields, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      fields_(fields),
      offered_(OfferedQuantities(doc)),
      quantity_(new QComboBox(this)),
      picture_(new CorePicture(
          [this](Canvas& canvas, Size picture) {
              if (histogram_) {
                  histogram_->Draw(canvas, picture, keep_);
              }
          },
          this)),
      min_(new NumberField(control::FilterMinimum, this)),
      max_(new NumberField(control::FilterMaximum, this)),
      count_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Filter Data"));
    picture_->setObjectName(QStringLiteral("histogram"));
    picture_->setMinimumSize(480, 280);
    quantity_->setObjectName(QString::number(control::FilterQuantity));
    count_->setObjectName(QStringLiteral("count"));
    for (const Quantity quantity : offered_) {
        quantity_->addItem(QString::fromUtf8(NamesOf(quantity).title));
    }
    QDialogButtonBox* buttons = OkCancelButtons(this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Apply"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("quantity"), this), 0, 0);
    layout->addWidget(quantity_, 0, 1, 1, 3);
    layout->addWidget(picture_, 1, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("keep from"), this), 2, 0);
    layout->addWidget(min_, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("to"), this), 2, 2);
    layout->addWidget(max_, 2, 3);
    layout->addWidget(count_, 3, 0, 1, 4);
    layout->addWidget(buttons, 4, 0, 1, 4);
    layout->setRowStretch(1, 1);

    const auto at = std::find(offered_.begin(), offered_.end(), fields.quantity);
    const int index = at == offered_.end() ? 0 : static_cast<int>(at - offered_.begin());
    quantity_->setCurrentIndex(index);
    ChooseQuantity(index);
    // The remembered limits, not the quantity's whole range.
    min_->SetValue(fields.min);
    max_->SetValue(fields.max);
    FollowFields();
    connect(quantity_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CFilterData::ChooseQuantity);
    connect(min_, &QLineEdit::textChanged, this, &CFilterData::FollowFields);
    connect(max_, &QLineEdit::textChanged, this, &CFilterData::FollowFields);
    min_->setFocus();
}

void CFilterData::ChooseQuantity(int index) {
    if (index < 0 || index >= static_cast<int>(offered_.size())) {
        return;
    }
    const QuantityNames& names = NamesOf(offered_[index]);
    values_ = QuantityValues(doc_, names.quantity);
    histogram_.emplace(values_, names.decades, names.title);
    // Each field follows at once; the other one must not keep the old quantity's limit.
    const KeepRange range = ProposedRange(values_);
    min_->SetValue(range.min);
    max_->SetValue(range.max);
    FollowFields();
}

void CFilterData::FollowFields() {
    if (const std::optional<double> min = ParseFieldNumber(FromQt(min_->text()))) {
        keep_.min = *min;
    }
    if (const std::optional<double> max = ParseFieldNumber(FromQt(max_->text()))) {
        keep_.max = *max;
    }
    picture_->update();
    count_->setText(
        ToQt(OutsideCountText(DataOutside(values_, keep_.min, keep_.max).size(), values_.size())));
}

void CFilterData::accept() {
    const int index = quantity_->currentIndex();
    const Refusal refusal =
        ReadFilterEntries(doc_, NamesOf(offered_.at(static_cast<size_t>(index))).name,
                          FromQt(min_->text()), FromQt(max_->text()), fields_);
    if (refusal.Refused()) {
        ShowRefusal(this, refusal);
        return;
    }
    QDialog::accept();
}

DialogResult RunFilterDialog(QWidget* parent, const CDatDoc& doc, FilterFields& fields) {
    CFilterData dialog(doc, fields, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    fields = dialog.Fields();
    return DialogResult::Ok;
}

}  // namespace oskava
