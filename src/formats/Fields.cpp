#include "formats/Fields.h"

#include <charconv>
#include <limits>
#include <string>

namespace oskava {

namespace {

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
}

}  // namespace

void SplitWords(std::string_view text, std::string_view separators,
                std::vector<std::string_view>& words) {
    words.clear();
    size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(separators, at);
        if (at == std::string_view::npos) {
            break;
        }
        size_t end = text.find_first_of(separators, at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        words.push_back(text.substr(at, end - at));
        at = end;
    }
}

void SplitColumns(std::string_view text, char separator, std::vector<std::string_view>& columns) {
    columns.clear();
    size_t at = 0;
    for (;;) {
        const size_t end = text.find(separator, at);
        columns.push_back(Trimmed(text.substr(at, end == std::string_view::npos ? end : end - at)));
        if (end == std::string_view::npos) {
            return;
        }
        at = end + 1;
    }
}

bool ParseNumber(std::string_view word, double& value, bool decimalComma) {
    // The conversion takes no "+" and no comma; the longest sensible number is short.
    char copy[64];
    if (word.empty() || word.size() >= sizeof copy) {
        return false;
    }
    size_t length = 0;
    for (size_t i = word[0] == '+' ? 1 : 0; i < word.size(); ++i) {
        copy[length++] = decimalComma && word[i] == ',' ? '.' : word[i];
    }
    if (length == 0 || (word[0] == '+' && copy[0] == '-')) {
        return false;
    }
    const auto result = std::from_chars(copy, copy + length, value);
    if (result.ptr != copy + length) {
        return false;
    }
    // A number beyond a double's range ("1e999") is a number, but no finite one.
    if (result.ec == std::errc::result_out_of_range) {
        value = std::numeric_limits<double>::quiet_NaN();
    }
    return true;
}

bool ParseCount(std::string_view word, int64_t& value) {
    if (word.empty() || word.size() > 18) {
        return false;
    }
    value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

bool IsNumberLine(std::string_view line, std::string_view separators) {
    std::vector<std::string_view> words;
    SplitWords(line, separators, words);
    double ignored = 0;
    for (const std::string_view word : words) {
        if (!ParseNumber(word, ignored)) {
            return false;
        }
    }
    return !words.empty();
}

std::string_view Trimmed(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsWhite(text[begin])) {
        ++begin;
    }
    while (end > begin && IsWhite(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

}  // namespace oskava
