#include "survey/TextFile.h"

#include "survey/ParallelParts.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
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

void TextFile::ReadRest(std::vector<char>& bytes) {
    if (file_ == nullptr) {
        return;
    }
    // A regular file is read in one piece of its remaining size; a pipe, or a file
    // that grows meanwhile, in further pieces until the end.
    size_t piece = size_ > bytesRead_ ? static_cast<size_t>(size_ - bytesRead_) + 1 : 65536;
    for (;;) {
        const size_t old = bytes.size();
        ResizeOnAllCores(bytes, old + piece);
        const size_t got = std::fread(bytes.data() + old, 1, piece, file_);
        bytes.resize(old + got);
        bytesRead_ += static_cast<int64_t>(got);
        if (got < piece) {
            return;
        }
        piece = std::max<size_t>(piece, 65536);
    }
}

namespace {

// Lines are cut in parts no smaller than this: below it a thread costs more than it saves.
constexpr size_t kSmallestPart = 64 * 1024;

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

DataLines::DataLines(TextFile& file) {
    file.ReadRest(bytes_);
    size_ = bytes_.size();
    bytes_.push_back('\0');
}

std::vector<DataLines::Part> DataLines::Split(int count) const {
    std::vector<Part> parts;
    const size_t wanted = std::max<size_t>(
        1, std::min<size_t>(static_cast<size_t>(std::max(count, 1)), size_ / kSmallestPart));
    size_t begin = 0;
    for (size_t i = 1; i <= wanted; ++i) {
        size_t end = size_ * i / wanted;
        if (i < wanted) {
            const void* lineEnd = std::memchr(bytes_.data() + end, '\n', size_ - end);
            end = lineEnd == nullptr
                      ? size_
                      : static_cast<size_t>(static_cast<const char*>(lineEnd) - bytes_.data()) + 1;
        }
        end = std::max(end, begin);
        parts.push_back(Part{begin, end});
        begin = end;
    }
    return parts;
}

bool DataLines::Find(Part& part, size_t& start, size_t& length) const {
    const char* const bytes = bytes_.data();
    while (part.begin < part.end) {
        const char* const first = bytes + part.begin;
        const size_t available = part.end - part.begin;
        const char* newline = static_cast<const char*>(std::memchr(first, '\n', available));
        const size_t physical =
            newline == nullptr ? available : static_cast<size_t>(newline - first);
        start = part.begin;
        part.begin += newline == nullptr ? available : physical + 1;
        // As GetNextLine cuts: at the first "!", then at the first "%", then trailing
        // white space (which takes the CR of a CR LF line end).
        length = physical;
        if (const void* bang = std::memchr(first, '!', length)) {
            length = static_cast<size_t>(static_cast<const char*>(bang) - first);
        }
        if (const void* percent = std::memchr(first, '%', length)) {
            length = static_cast<size_t>(static_cast<const char*>(percent) - first);
        }
        while (length > 0 && IsTrailingSpace(first[length - 1])) {
            --length;
        }
        if (length > 0) {
            return true;
        }
    }
    return false;
}

bool DataLines::Next(Part& part, Line& line) {
    size_t start = 0;
    size_t length = 0;
    if (!Find(part, start, length)) {
        return false;
    }
    // The byte after the cut end is the line end, or the NUL after the last byte, or a
    // byte that the cut left out: the next line's search never looks at it again.
    bytes_[start + length] = '\0';
    line = Line{bytes_.data() + start, length};
    return true;
}

size_t DataLines::Count(Part part) const {
    size_t count = 0;
    size_t start = 0;
    size_t length = 0;
    while (Find(part, start, length)) {
        ++count;
    }
    return count;
}

int ScanLine(const std::string& line, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int converted = std::vsscanf(line.c_str(), format, args);
    va_end(args);
    return converted < 0 ? 0 : converted;
}

}  // namespace oskava
