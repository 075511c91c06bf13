// CNoise: the standard-deviation dialog of Assign standard deviation and, in noise
// mode, of Add Gaussian noise.
#pragma once

#include <QDialog>

#include "survey/Prompts.h"

namespace oskava {

class NumberField;

class CNoise : public QDialog {
    Q_OBJECT

  public:
    /// Shows the fields; the title follows the noise mode.
    CNoise(const NoiseFields& fields, QWidget* parent);
    const NoiseFields& fields() const { return fields_; }

  public slots:
    /// OK: closes only when the core's rules accept the entries.
    void accept() override;

  private:
    NoiseFields fields_;
    NumberField* percent_;
    NumberField* minimum_;
};

/// Runs the dialog modally over parent; on Ok the fields hold the accepted entries.
DialogResult RunNoiseDialog(QWidget* parent, NoiseFields& fields);

}  // namespace oskava
