#include "survey/TextFile.h"

#include <sys/stat.h>

#include <cstdarg>
#include <cstdlib>
#include <utility>

namespace oskava {

TextFile::TextFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
    // A folder opens for reading here but holds no lines, and a device such as
    // /dev/zero never ends: neither is a file to read. A pipe ends when its writer does.
    struct stat status {};
    if (file_ != nullptr && (fstat(fileno(file_), &status) != 0 ||
                             !(S_ISREG(status.st_mode) || S_ISFIFO(status.st_mode)))) {
        Close();
    } else if (file_ != nullptr && S_ISREG(status.st_mode)) {
        size_ = static_cast<int64_t>(status.st_size);
    }
}

TextFile::~TextFile() {
    Close();
    std::free(buffer_);
}

TextFile::TextFile(TextFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      buffer_(std::exchange(other.buffer_, nullptr)),
      capacity_(std::exchange(other.capacity_, 0)),
      bytesRead_(std::exchange(other.bytesRead_, 0)),
      size_(std::exchange(other.size_, 0)) {}

TextFile& TextFile::operator=(TextFile&& other) noexcept {
    if (this != &other) {
        Close();
        std::free(buffer_);
        file_ = std::exchange(other.file_, nullptr);
        buffer_ = std::exchange(other.buffer_, nullptr);
        capacity_ = std::exchange(other.capacity_, 0);
        bytesRead_ = std::exchange(other.bytesRead_, 0);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void TextFile::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

bool TextFile::ReadLine(std::string& line) {
    line.clear();
    if (file_ == nullptr) {
        return false;
    }
    const ssize_t length = getline(&buffer_, &capacity_, file_);
    if (length < 0) {
        return false;
    }
    bytesRead_ += length;
    size_t end = static_cast<size_t>(length);
    if (end > 0 && buffer_[end - 1] == '\n') {
        --end;
        if (end > 0 && buffer_[end - 1] == '\r') {
            --end;
        }
    }
    line.assign(buffer_, end);
    return true;
}

namespace {

bool IsTrailingSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

bool GetNextLine(TextFile& file, std::string& line) {
    while (file.ReadLine(line)) {
        const size_t bang = line.find('!');
        if (bang != std::string::npos) {
            line.erase(bang);
        }
        const size_t percent = line.find('%');
        if (percent != std::string::npos) {
            line.erase(percent);
        }
        size_t end = line.size();
        while (end > 0 && IsTrailingSpace(line[end - 1])) {
            --end;
        }
        line.erase(end);
        if (!line.empty()) {
            return true;
        }
    }
    return false;
}

int ScanLine(const std::string& line, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int converted = std::vsscanf(line.c_str(), format, args);
    va_end(args);
    return converted < 0 ? 0 : converted;
}

}  // namespace oskava
