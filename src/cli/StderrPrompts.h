// The command line's answer to the core's prompts: every message box becomes one
// block on standard error, its first line prefixed with the box's kind.
#pragma once

#include "survey/Prompts.h"

namespace oskava::cli {

class StderrPrompts : public Prompts {
public:
    /// answerYes: how yes/no questions are answered (they are echoed all the same).
    explicit StderrPrompts(bool answerYes = false) : answerYes_(answerYes) {}

    void Message(const std::string& text, MessageKind kind) override;
    bool AskYesNo(const std::string& text) override;
    SaveChangesAnswer AskSaveChanges(const std::string& fileName) override;
    void StatusMessage(const std::string& text) override;
    DialogResult EditMinMax(MinMaxFields& fields) override;
    DialogResult ChooseIpUnits(int& unitIndex) override;
    DialogResult EditNoise(NoiseFields& fields) override;
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override;
    /// A window without a screen: the click's selection is kept, nothing is shown.
    std::unique_ptr<CDatProp> OpenDatumProperties(CDatDoc& doc) override;

private:
    bool answerYes_;
};

}  // namespace oskava::cli
