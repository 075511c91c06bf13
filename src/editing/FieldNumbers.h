// Numbers in dialog fields: how a field shows a number, which texts it takes as one,
// and the words with which a dialog refuses an entry. Every dialog of the program,
// in the window and on the command line, uses these.
#pragma once

#include <optional>
#include <string>

namespace oskava {

/// The refusal of a field whose text is no number.
inline const char kEnterANumber[] = "Enter a number.";

/// The number as a field shows it: general format with 15 significant digits.
std::string FormatFieldNumber(double value);

/// The field's text as a number: one decimal number with blanks allowed around it.
/// Nothing else is one: an empty field, trailing text, and infinities or NaN.
std::optional<double> ParseFieldNumber(const std::string& text);

/// "Enter a number between %1 and %2." with the bounds as fields show them.
std::string FieldRangeRefusal(double min, double max);

}  // namespace oskava
