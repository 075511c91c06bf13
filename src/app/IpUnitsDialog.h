// The "IP Units" dialog: which unit the IP data are labelled in. Only labels change;
// no datum is converted.
#pragma once

#include <QDialog>

class QButtonGroup;

namespace oskava {

class CIpUnits : public QDialog {
  public:
    /// Opens with the radio button of unitIndex (0..4) checked.
    CIpUnits(int unitIndex, QWidget* parent);

    /// The unit chosen; the one it opened with while no button is checked.
    int UnitIndex() const;

  private:
    int opened_;
    QButtonGroup* units_;
};

}  // namespace oskava
