#include "cli/SurveyOptions.h"

#include "survey/CFormat.h"
#include "survey/OpenSurvey.h"

namespace oskava::cli {

void AddSurveyOptions(CLI::App& command, SurveyOptions& options) {
    command.add_option("OBS", options.observationFile, "Observation file")->required();
    command.add_flag("--ip", options.ip, "The data are IP data (default: DC)");
    command.add_option("--topo", options.topographyFile, "Topography file");
    command.add_option("--pre", options.predictedFile, "Predicted data of an inversion run");
    command.add_option("--log", options.logFile,
                       "Inversion log: default standard deviations for data without them");
}

bool OpenSurveyForCommand(CDatDoc& doc, const SurveyOptions& options) {
    OpenRequest request;
    request.dataFile = options.observationFile;
    request.topographyFile = options.topographyFile;
    request.isDC = !options.ip;
    request.logFile = options.logFile;
    request.predictedFile = options.predictedFile;
    return OpenSurvey(doc, request) == OpenOutcome::Opened;
}

std::string Number(double value) { return CFormat("%.17g", value); }

}  // namespace oskava::cli
