// Line-by-line reading of the program's text inputs (observation, predicted and
// log files) with the rules they share: LF or CR LF line ends, comments after "!"
// or "%", and numbers parsed exactly as the C library's formatted scan does.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace oskava {

/// A text file open for reading. Lines may be of any length and may hold NUL and
/// non-ASCII bytes; a missing final line end is fine.
class TextFile {
  public:
    TextFile() = default;
    /// Opens for reading; IsOpen() tells whether that worked. Only files and pipes
    /// open: a folder or a device does not.
    explicit TextFile(const std::string& path);
    ~TextFile();
    TextFile(TextFile&& other) noexcept;
    TextFile& operator=(TextFile&& other) noexcept;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    /// Reads the next physical line without its line end (LF, or CR LF as a text-mode
    /// read gives it). Returns false, with the line empty, at the end of the file.
    bool ReadLine(std::string& line);
    /// Closes early; the destructor closes otherwise.
    void Close();
    /// Bytes read so far, and the file's size when it opened (0 for a device or pipe).
    int64_t BytesRead() const { return bytesRead_; }
    int64_t Size() const { return size_; }

  private:
    std::FILE* file_ = nullptr;
    char* buffer_ = nullptr;
    size_t capacity_ = 0;
    int64_t bytesRead_ = 0;
    int64_t size_ = 0;
};

/// Next data line: reads physical lines, cuts each at the first "!" and then at the
/// first "%", removes trailing white space, and skips lines that end up empty.
/// Returns false, with the line empty, at the end of the file.
bool GetNextLine(TextFile& file, std::string& line);

/// Scans the line with a C scanf format. Returns the number of fields converted
/// (0 also when the line holds nothing). Reading stops at a NUL byte in the line.
int ScanLine(const std::string& line, const char* format, ...) __attribute__((format(scanf, 2, 3)));

}  // namespace oskava
