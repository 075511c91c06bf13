// A fresh directory under the system's temporary folder, removed with its files when
// the test ends; tests write their input files there.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace oskava::test {

class TempDir {
  public:
    TempDir() {
        std::string name = (std::filesystem::temp_directory_path() / "oskava-test-XXXXXX").string();
        path_ = mkdtemp(name.data()) != nullptr ? name : throw std::runtime_error(name);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    /// Writes the bytes to a file in the directory and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return (path_ / name).string();
    }

  private:
    std::filesystem::path path_;
};

/// The bytes of a file; empty when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace oskava::test
