// CDlgDeleteElectrode: the electrode location and which of its uses to delete.
#pragma once

#include <QDialog>

#include "survey/Prompts.h"

class QCheckBox;

namespace oskava {

class NumberField;

class CDlgDeleteElectrode : public QDialog {
    Q_OBJECT

  public:
    /// Shows the location; both boxes start unchecked.
    CDlgDeleteElectrode(const DeleteElectrodeFields& fields, QWidget* parent);
    const DeleteElectrodeFields& fields() const { return fields_; }

  public slots:
    /// OK: closes only when the core's rules accept the entries.
    void accept() override;

  private:
    DeleteElectrodeFields fields_;
    NumberField* location_;
    QCheckBox* transmitter_;
    QCheckBox* receiver_;
};

/// Runs the dialog modally over parent; on Ok the fields hold the accepted entries.
DialogResult RunDeleteElectrodeDialog(QWidget* parent, DeleteElectrodeFields& fields);

}  // namespace oskava
