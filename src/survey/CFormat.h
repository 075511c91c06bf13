// C-style formatting of numbers and messages: the program's texts and files are
// defined by printf formats ("%10.2f", "%.5e", "%g"), so they are produced by them.
#pragma once

#include <string>

namespace oskava {

/// printf into a std::string; any length.
std::string CFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace oskava
