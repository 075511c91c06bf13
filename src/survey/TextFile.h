// Line-by-line reading of the program's text inputs (observation, predicted and
// log files) with the rules they share: LF or CR LF line ends, comments after "!"
// or "%", and numbers parsed exactly as the C library's formatted scan does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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
    /// Appends what is left to bytes: up to the end of the file or a read error.
    void ReadRest(std::vector<char>& bytes);
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

/// The rest of a text file read whole, cut into data lines as GetNextLine cuts them.
/// Each data line is ended in place with a NUL, so that it reads as the C string that
/// GetNextLine's line gives (a NUL inside a line ends that string early, as it ends
/// the C scan). The bytes can be split into parts at line starts, and the parts cut
/// on threads of their own.
class DataLines {
  public:
    /// Reads what is left of the file (TextFile::ReadRest).
    explicit DataLines(TextFile& file);

    /// One data line: text[length] is the NUL put in place of its cut end.
    struct Line {
        const char* text = nullptr;
        size_t length = 0;
        std::string ToString() const { return std::string(text, length); }
    };
    /// A run of whole physical lines, as byte offsets.
    struct Part {
        size_t begin = 0;
        size_t end = 0;
    };

    /// All the bytes as one part.
    Part Whole() const { return Part{0, size_}; }
    /// At most count parts of about equal size, in file order, each starting at a line
    /// start; fewer for a small file, at least one.
    std::vector<Part> Split(int count) const;
    /// Cuts the next data line of the part, moving part.begin past it; false, with the
    /// part empty, when it holds no more.
    bool Next(Part& part, Line& line);
    /// The number of data lines in the part, which is left as it is.
    size_t Count(Part part) const;

  private:
    // Finds the next data line of the part as Next does, without writing its NUL:
    // its first byte and length.
    bool Find(Part& part, size_t& start, size_t& length) const;

    std::vector<char> bytes_;  // the file's bytes and one more, a NUL
    size_t size_ = 0;          // the file's bytes
};

/// Scans the line with a C scanf format. Returns the number of fields converted
/// (0 also when the line holds nothing). Reading stops at a NUL byte in the line.
int ScanLine(const std::string& line, const char* format, ...) __attribute__((format(scanf, 2, 3)));

}  // namespace oskava
