#include "cli/SurveyOptions.h"

#include <memory>

#include "cli/Commands.h"
#include "cli/StderrPrompts.h"

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
    command.add_flag("--drop-wrong-sign", options.dropWrongSign,
                     "Open DC data without the data whose sign disagrees with their electrodes");
}

bool OpenSurveyForCommand(CDatDoc& doc, const SurveyOptions& options) {
    OpenRequest request;
    request.dataFile = options.observationFile;
    request.topographyFile = options.topographyFile;
    request.isDC = !options.ip;
    request.logFile = options.logFile;
    request.predictedFile = options.predictedFile;
    request.wrongSign = options.dropWrongSign ? WrongSignData::LeaveOut : WrongSignData::Stop;
    return OpenSurvey(doc, request) == OpenOutcome::Opened;
}

CLI::App* AddSurveyCommand(CLI::App& app, CommandContext& context, const std::string& name,
                           const std::string& description, SurveyAction action) {
    auto options = std::make_shared<SurveyOptions>();
    CLI::App* command = app.add_subcommand(name, description);
    AddSurveyOptions(*command, *options);
    command->callback([options, action = std::move(action), &context] {
        StderrPrompts prompts;
        CDatDoc doc(prompts);
        context.status = OpenSurveyForCommand(doc, *options) ? action(doc) : kFailed;
    });
    return command;
}

std::string Number(double value) {
    return CFormat("%.17g", value);
}

}  // namespace oskava::cli
