#include "survey/ExactNumber.h"

#include <charconv>

namespace oskava {

namespace {

// Room for the longest fixed-notation form of a double: 309 digits before the point,
// 324 after it for the smallest subnormal, a sign and the point.
constexpr size_t kLongestNumber = 640;

}  // namespace

void AppendShortest(std::string& out, double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void AppendDecimal(std::string& out, double value) {
    char text[kLongestNumber];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    const std::string_view written(text, static_cast<size_t>(result.ptr - text));
    out += written;
    if (written.find('.') == std::string_view::npos) {
        out += ".0";
    }
}

}  // namespace oskava
