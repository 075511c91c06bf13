#include "formats/FileLines.h"

namespace oskava {

bool IsBlank(const std::string& text) {
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\v' && c != '\f') {
            return false;
        }
    }
    return true;
}

FileLines::FileLines(const std::string& path) : file_(path) {}

bool FileLines::Next(std::string& line) {
    if (putBack_) {
        putBack_ = false;
        line = last_;
        return true;
    }
    if (!file_.ReadLine(last_)) {
        line.clear();
        return false;
    }
    if (++number_ == 1 && last_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        last_.erase(0, 3);
    }
    line = last_;
    return true;
}

bool FileLines::NextNonBlank(std::string& line) {
    while (Next(line)) {
        if (!IsBlank(line)) {
            return true;
        }
    }
    return false;
}

}  // namespace oskava
