// What the fuzz targets share: prompts that answer from the fuzzer's bytes, a private
// folder for the files the readers take by path, and a check that aborts, so that the
// fuzzer records the input, when an invariant of the program does not hold.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "survey/DatProp.h"
#include "survey/Prompts.h"

namespace oskava::fuzz {

/// Aborts with the failed condition: a finding, like a sanitizer's report.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

/// The fuzzer's bytes, taken from the front as choices and from the back as text.
class FuzzBytes {
  public:
    FuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    /// The next byte, 0 once they are used up.
    uint8_t Byte() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }
    /// The bytes up to the first occurrence of the separator (all of them when it does
    /// not occur); the separator is consumed.
    std::string Until(const std::string& separator) {
        const std::string rest = Rest();
        const size_t at = rest.find(separator);
        if (at == std::string::npos) {
            Skip(rest.size());
            return rest;
        }
        Skip(at + separator.size());
        return rest.substr(0, at);
    }
    /// Every byte not yet taken.
    std::string Rest() const { return std::string(reinterpret_cast<const char*>(data_), size_); }

  private:
    void Skip(size_t n) {
        data_ += n;
        size_ -= n;
    }
    const uint8_t* data_;
    size_t size_;
};

/// Message boxes go nowhere; questions and dialogs are answered by the bytes given.
class FuzzPrompts : public Prompts {
  public:
    explicit FuzzPrompts(FuzzBytes* answers = nullptr) : answers_(answers) {}

    size_t messages = 0;

    void Message(const std::string& text, MessageKind) override {
        FUZZ_CHECK(!text.empty());
        ++messages;
    }
    bool AskYesNo(const std::string&) override { return Answer() % 2 == 0; }
    SaveChangesAnswer AskSaveChanges(const std::string&) override {
        return static_cast<SaveChangesAnswer>(Answer() % 3);
    }
    DialogResult EditMinMax(MinMaxFields& fields) override {
        fields.reset = Answer() % 4 == 0;
        fields.min1 = Number();
        fields.max1 = Number();
        fields.min2 = Number();
        fields.max2 = Number();
        return Answer() % 8 == 0 ? DialogResult::Cancel : DialogResult::Ok;
    }
    DialogResult ChooseIpUnits(int& unitIndex) override {
        unitIndex = Answer() % 5;
        return DialogResult::Ok;
    }
    DialogResult EditNoise(NoiseFields& fields) override {
        fields.percent = Number();
        fields.minimum = Number();
        return Answer() % 8 == 0 ? DialogResult::Cancel : DialogResult::Ok;
    }
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override {
        fields.location = Number();
        fields.transmitter = Answer() % 2 == 0;
        fields.receiver = Answer() % 2 == 0;
        return Answer() % 8 == 0 ? DialogResult::Cancel : DialogResult::Ok;
    }
    std::unique_ptr<CDatProp> OpenDatumProperties(CDatDoc&) override {
        return std::make_unique<CDatProp>();
    }

  private:
    uint8_t Answer() { return answers_ == nullptr ? 0 : answers_->Byte(); }
    // Small integers, their negatives, and values at the edges of a double's range.
    double Number() {
        const uint8_t b = Answer();
        switch (b % 8) {
            case 0:
                return 1e308;
            case 1:
                return -1e-300;
            default:
                return (static_cast<int>(b) - 128) / 4.0;
        }
    }
    FuzzBytes* answers_;
};

/// A folder of this process's own under the temporary folder, removed at exit; the
/// readers take paths, so the fuzzer's bytes are written to files in it.
class FuzzFolder {
  public:
    // In memory where the machine has such a folder: every input is written there.
    FuzzFolder()
        : path_((std::filesystem::is_directory("/dev/shm")
                     ? std::filesystem::path("/dev/shm")
                     : std::filesystem::temp_directory_path()) /
                ("oskava-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    /// Writes the bytes to the file of that name in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string file = (path_ / name).string();
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return file;
    }

  private:
    std::filesystem::path path_;
};

/// The one folder of the process.
inline const FuzzFolder& Folder() {
    static const FuzzFolder folder;
    return folder;
}

}  // namespace oskava::fuzz
