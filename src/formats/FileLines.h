// The lines of another program's file, read as bytes: numbered from 1, with a UTF-8
// byte-order mark at the start taken away, LF or CR LF line ends, and one line of
// look-ahead for the formats whose next line decides how to go on.
#pragma once

#include <cstdint>
#include <string>

#include "survey/TextFile.h"

namespace oskava {

/// True when the text holds nothing but blanks, tabs and other white space.
bool IsBlank(const std::string& text);

class FileLines {
  public:
    explicit FileLines(const std::string& path);

    bool IsOpen() const { return file_.IsOpen(); }
    /// The next line as it is; false, with the line empty, at the end of the file.
    bool Next(std::string& line);
    /// The next line that is not blank; false at the end of the file.
    bool NextNonBlank(std::string& line);
    /// Hands the line last returned out once more, with its number, on the next call.
    void PutBack() { putBack_ = true; }
    /// The line last returned, and its number (from 1).
    const std::string& Current() const { return last_; }
    int64_t LineNumber() const { return number_; }
    /// Bytes read so far and the file's size, for estimates of what is still to come.
    int64_t BytesRead() const { return file_.BytesRead(); }
    int64_t Size() const { return file_.Size(); }

  private:
    TextFile file_;
    std::string last_;
    int64_t number_ = 0;
    bool putBack_ = false;
};

}  // namespace oskava
