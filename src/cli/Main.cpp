// oskava-data: the survey data viewer's core on the command line.
#include <CLI/CLI.hpp>

#include "cli/Commands.h"
#include "cli/SurveyOptions.h"

int main(int argc, char** argv) {
    using namespace oskava::cli;
    CLI::App app{"Survey data of 2D DC-resistivity and IP surveys on the command line",
                 "oskava-data"};
    app.set_version_flag("--version", OSKAVA_VERSION);
    app.require_subcommand(1);

    CommandContext context;
    RegisterInfoCommand(app, context);
    RegisterDumpCommand(app, context);
    RegisterMeshCommand(app, context);
    RegisterConvertCommand(app, context);
    RegisterErrorCommands(app, context);
    RegisterRenderCommand(app, context);
    RegisterImportCommand(app, context);
    RegisterExportCommand(app, context);
    RegisterEditingCommands(app, context);
    RegisterFilterCommand(app, context);
    for (CLI::App* command : app.get_subcommands({})) {
        command->set_version_flag("--version", OSKAVA_VERSION);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? kDone : kBadUsage;
    }
    return context.status;
}
