// Runs a test inside another working directory and goes back when it ends: the
// inversion's files are looked for in the current directory.
#pragma once

#include <filesystem>

namespace oskava::test {

class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& directory)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(directory);
    }
    ~CurrentDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};

}  // namespace oskava::test
