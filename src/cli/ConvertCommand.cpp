// convert: opens a survey and saves it unchanged, as the viewer's Save As writes it.
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "cli/SurveyOptions.h"

namespace oskava::cli {

void RegisterConvertCommand(CLI::App& app, CommandContext& context) {
    auto output = std::make_shared<std::string>();
    CLI::App* command = AddSurveyCommand(
        app, context, "convert", "Open the survey and save it as the viewer saves it",
        [output](CDatDoc& doc) { return doc.OnSaveDocument(*output) ? kDone : kFailed; });
    command->add_option("-o", *output, "Observation file to write")->required();
}

}  // namespace oskava::cli
