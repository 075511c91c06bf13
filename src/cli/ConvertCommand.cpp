// convert: opens a survey and saves it unchanged, as the viewer's Save As writes it.
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrPrompts.h"
#include "cli/SurveyOptions.h"

namespace oskava::cli {

void RegisterConvertCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<SurveyOptions>();
    auto output = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("convert", "Open the survey and save it as the viewer saves it");
    AddSurveyOptions(*command, *options);
    command->add_option("-o", *output, "Observation file to write")->required();
    command->callback([options, output, &context] {
        StderrPrompts prompts;
        CDatDoc doc(prompts);
        if (!OpenSurveyForCommand(doc, *options) || !doc.OnSaveDocument(*output)) {
            context.status = kFailed;
            return;
        }
        context.status = kDone;
    });
}

}  // namespace oskava::cli
