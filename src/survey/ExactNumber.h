// Numbers written so that they read back exactly: the shortest text that converts back
// to the same double, either in the C notation the program's own readers take or in
// plain decimal notation for the readers of other programs, which take no exponent.
#pragma once

#include <string>

namespace oskava {

/// Appends the shortest text that reads back as value: "0.1", "1e-05", "100".
void AppendShortest(std::string& out, double value);

/// Appends value with a decimal point and no exponent, with as many digits as reading it
/// back exactly needs: "0.0000714548", "-80.0", "1234.56789012".
void AppendDecimal(std::string& out, double value);

}  // namespace oskava
