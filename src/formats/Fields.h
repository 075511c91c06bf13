// The words and numbers of a line of another program's file. Numbers are in C notation
// ("3.08567200000000e+02", "-5", "+.5"), taken whole: "12abc" is no number.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace oskava {

/// The words of text between runs of the separator bytes, without empty words.
void SplitWords(std::string_view text, std::string_view separators,
                std::vector<std::string_view>& words);

/// The columns of text at each separator byte, blanks around each taken away; an empty
/// column stays (",a,,b" has four).
void SplitColumns(std::string_view text, char separator, std::vector<std::string_view>& columns);

/// The number that the whole word is (nan for nan, inf and numbers beyond a double's
/// range, which are numbers but not finite ones); false for anything else.
/// With decimalComma a comma stands for the decimal point ("0,40").
bool ParseNumber(std::string_view word, double& value, bool decimalComma = false);

/// The whole number (digits only, at most 18 of them) that the whole word is.
bool ParseCount(std::string_view word, int64_t& value);

/// Whether the line holds at least one word and every word is a number.
bool IsNumberLine(std::string_view line, std::string_view separators);

/// The text without the white space at its ends.
std::string_view Trimmed(std::string_view text);

}  // namespace oskava
