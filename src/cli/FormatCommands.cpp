// import and export: surveys to and from the files of other programs.
#include <memory>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrPrompts.h"
#include "cli/SurveyOptions.h"
#include "formats/Export.h"
#include "formats/Import.h"

namespace oskava::cli {

namespace {

const std::vector<std::string> kImportFormats = {"unified", "res2dinv", "syscal"};

struct ImportOptions {
    std::string input;
    std::string output;
    std::string format;  // empty: found from the content
    bool ip = false;
};

}  // namespace

void RegisterImportCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand(
        "import", "Read a survey in another program's format and write it as an observation file");
    command->add_option("IN", options->input, "Unified data format, Res2DInv or Syscal text file")
        ->required();
    command->add_option("-o", options->output, "Observation file to write (and its .topo)")
        ->required();
    command
        ->add_option("--format", options->format,
                     "unified, res2dinv or syscal (default: found from the content)")
        ->check(CLI::IsMember(kImportFormats));
    command->add_flag("--ip", options->ip, "Import the IP values (default: DC resistances)");
    command->callback([options, &context] {
        StderrPrompts prompts;
        const std::optional<ForeignFormat> format =
            options->format.empty() ? std::nullopt : FormatFromKey(options->format);
        context.status = ImportToFile(options->input, options->output, format, options->ip, prompts)
                             ? kDone
                             : kFailed;
    });
}

void RegisterExportCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<SurveyOptions>();
    auto output = std::make_shared<std::string>();
    auto format = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "export", "Open the survey and write it in the unified data format or for Res2DInv");
    AddSurveyOptions(*command, *options);
    command->add_option("--to", *format, "unified or res2dinv")
        ->required()
        ->check(CLI::IsMember({"unified", "res2dinv"}));
    command->add_option("-o", *output, "File to write")->required();
    command->callback([options, output, format, &context] {
        StderrPrompts prompts;
        CDatDoc doc(prompts);
        if (!OpenSurveyForCommand(doc, *options)) {
            context.status = kFailed;
            return;
        }
        std::vector<std::string> inputs = SurveyInputs(doc);
        inputs.push_back(options->logFile);
        context.status =
            ExportSurvey(doc, *FormatFromKey(*format), *output, inputs) ? kDone : kFailed;
    });
}

}  // namespace oskava::cli
