#include "editing/FieldNumbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "survey/CFormat.h"

namespace oskava {

std::string FormatFieldNumber(double value) {
    return CFormat("%.15g", value);
}

std::optional<double> ParseFieldNumber(const std::string& text) {
    const char* begin = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*begin))) {
        ++begin;
    }
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(value)) {  // overflow gives an infinity
        return std::nullopt;
    }
    while (std::isspace(static_cast<unsigned char>(*end))) {
        ++end;
    }
    // A NUL byte typed into the field ends the C string early: the rest is trailing text.
    if (static_cast<size_t>(end - text.c_str()) != text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string FieldRangeRefusal(double min, double max) {
    return "Enter a number between " + FormatFieldNumber(min) + " and " + FormatFieldNumber(max) +
           ".";
}

}  // namespace oskava
