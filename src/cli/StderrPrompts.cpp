#include "cli/StderrPrompts.h"

#include <cstdio>

#include "survey/DatProp.h"

namespace oskava::cli {

namespace {

const char* Prefix(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return "warning: ";
        case MessageKind::Error:
            return "error: ";
        case MessageKind::Information:
        case MessageKind::Plain:
            break;
    }
    return "information: ";
}

void WriteBlock(const char* prefix, const std::string& text) {
    std::fputs(prefix, stderr);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace

void StderrPrompts::Message(const std::string& text, MessageKind kind) {
    WriteBlock(Prefix(kind), text);
}

bool StderrPrompts::AskYesNo(const std::string& text) {
    WriteBlock("question: ", text);
    return answerYes_;
}

void StderrPrompts::StatusMessage(const std::string& text) {
    WriteBlock("information: ", text);
}

SaveChangesAnswer StderrPrompts::AskSaveChanges(const std::string&) {
    return SaveChangesAnswer::No;
}

// The command line sets ranges and units through its options, never interactively.
DialogResult StderrPrompts::EditMinMax(MinMaxFields&) { return DialogResult::Cancel; }

DialogResult StderrPrompts::ChooseIpUnits(int&) { return DialogResult::Cancel; }

// The editing commands answer their dialogs from their options.
DialogResult StderrPrompts::EditNoise(NoiseFields&) { return DialogResult::Cancel; }

DialogResult StderrPrompts::EditDeleteElectrode(DeleteElectrodeFields&) {
    return DialogResult::Cancel;
}

std::unique_ptr<CDatProp> StderrPrompts::OpenDatumProperties(CDatDoc&) {
    return std::make_unique<CDatProp>();
}

}  // namespace oskava::cli
