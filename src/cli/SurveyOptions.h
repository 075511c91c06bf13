// The options every command takes to open its survey, and the opening itself.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "survey/DatDoc.h"

namespace oskava::cli {

struct SurveyOptions {
    std::string observationFile;
    bool ip = false;
    std::string topographyFile;
    std::string predictedFile;
    std::string logFile;
    bool dropWrongSign = false;
};

/// Adds OBS and the survey options to a command.
void AddSurveyOptions(CLI::App& command, SurveyOptions& options);

/// Opens the survey as the viewer's File Open does; false when it could not be opened
/// (the readers' messages are on standard error).
bool OpenSurveyForCommand(CDatDoc& doc, const SurveyOptions& options);

/// A number as the command line prints it: "%.17g".
std::string Number(double value);

/// Exit statuses of the command line contract.
constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

}  // namespace oskava::cli
