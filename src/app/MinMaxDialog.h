// The "Set data range" dialog: the colour ranges of the two panels in the quantity
// the colour bars show. The rules are the core's; this only shows them.
#pragma once

#include <QDialog>

#include "survey/Prompts.h"

namespace oskava {

class NumberField;

class CMinMax : public QDialog {
  public:
    CMinMax(const MinMaxFields& fields, QWidget* parent);

    /// The fields as the dialog closed: reset set for "Reset".
    const MinMaxFields& Fields() const { return fields_; }

  private:
    /// Takes the four numbers in the order max1, min1, max2, min2; false after a
    /// refusal, with the focus on the refused field.
    bool ExchangeData();
    void OnOk();
    void OnReset();

    MinMaxFields fields_;
    NumberField* max1_;
    NumberField* min1_;
    NumberField* max2_;
    NumberField* min2_;
};

}  // namespace oskava
