// A dialog's number field: shows a number with 15 significant digits and takes back
// only a number, refusing anything else as every dialog of the program does.
#pragma once

#include <QLineEdit>
#include <optional>

namespace oskava {

class NumberField : public QLineEdit {
  public:
    /// The control id becomes the object name, by which tests find the field.
    NumberField(int controlId, QWidget* parent);

    void SetValue(double value);
    /// The number typed, or nullopt after "Enter a number." in a plain box, with the
    /// focus back on the field and its text selected.
    std::optional<double> Value();

  private:
    void Refuse(const std::string& text);
};

}  // namespace oskava
