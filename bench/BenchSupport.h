// What the benchmark programs share besides the generated surveys: prompts that
// answer nothing, and survey files written once per size into a folder that is
// removed when the program ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "GeneratedSurveys.h"
#include "survey/DatProp.h"
#include "survey/Prompts.h"

namespace oskava::bench {

class SilentPrompts : public Prompts {
  public:
    void Message(const std::string&, MessageKind) override {}
    bool AskYesNo(const std::string&) override { return false; }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::No; }
    DialogResult EditMinMax(MinMaxFields&) override { return DialogResult::Cancel; }
    DialogResult ChooseIpUnits(int&) override { return DialogResult::Cancel; }
    DialogResult EditNoise(NoiseFields&) override { return DialogResult::Cancel; }
    DialogResult EditDeleteElectrode(DeleteElectrodeFields&) override {
        return DialogResult::Cancel;
    }
    std::unique_ptr<CDatProp> OpenDatumProperties(CDatDoc&) override {
        return std::make_unique<CDatProp>();
    }
};

class SurveyFiles {
  public:
    /// shapeOf gives the dipole-dipole survey written for a data count.
    SurveyFiles(const std::string& folderName, std::function<SurveyShape(size_t)> shapeOf)
        : directory_(std::filesystem::temp_directory_path() /
                     (folderName + "-" + std::to_string(getpid()))),
          shapeOf_(std::move(shapeOf)) {}
    ~SurveyFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    SurveyFiles(const SurveyFiles&) = delete;
    SurveyFiles& operator=(const SurveyFiles&) = delete;

    const std::string& DipoleDipole(size_t count) {
        std::string& path = files_[count];
        if (path.empty()) {
            std::filesystem::create_directories(directory_);
            path = (directory_ / ("dd-" + std::to_string(count) + ".dat")).string();
            WriteObservationFile(path, GenerateSurvey(shapeOf_(count)), true);
        }
        return path;
    }
    /// A path in the folder for an output file.
    std::string Output(const std::string& name) const { return (directory_ / name).string(); }

  private:
    std::filesystem::path directory_;
    std::function<SurveyShape(size_t)> shapeOf_;
    std::map<size_t, std::string> files_;
};

}  // namespace oskava::bench
