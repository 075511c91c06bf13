// The "Filter Data" dialog: a quantity of every datum as a histogram, the range of
// values to keep as two number fields whose limits the histogram shows as lines, and
// the live count of the data outside the range. The histogram is the core's drawing;
// the rules are the core's; this only shows them.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "analysis/DataFilter.h"

class QComboBox;
class QLabel;

namespace oskava {

class CorePicture;
class NumberField;

class CFilterData : public QDialog {
  public:
    /// Opens on the fields over the document's data; the fields' quantity must be
    /// one the document offers.
    CFilterData(const CDatDoc& doc, const FilterFields& fields, QWidget* parent);
    const FilterFields& Fields() const { return fields_; }

    /// Apply: closes only when the core's rules accept the entries.
    void accept() override;

  private:
    /// Another quantity: its histogram, and the fields at its whole range.
    void ChooseQuantity(int index);
    /// The lines and the count follow what the fields hold; a field that holds no
    /// number keeps its last limit.
    void FollowFields();

    const CDatDoc& doc_;
    FilterFields fields_;
    std::vector<Quantity> offered_;
    std::vector<double> values_;
    std::optional<Histogram> histogram_;
    KeepRange keep_;
    QComboBox* quantity_;
    CorePicture* picture_;
    NumberField* min_;
    NumberField* max_;
    QLabel* count_;
};

/// Runs the dialog modally over parent; on Ok the fields hold the accepted entries.
DialogResult RunFilterDialog(QWidget* parent, const CDatDoc& doc, FilterFields& fields);

}  // namespace oskava
