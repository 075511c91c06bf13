// The commands of oskava-data. Each adds itself to the tool and, when it runs, leaves
// its exit status in the context.
#pragma once

#include <CLI/CLI.hpp>

namespace oskava::cli {

struct CommandContext {
    int status = 0;
};

void RegisterInfoCommand(CLI::App& app, CommandContext& context);
void RegisterDumpCommand(CLI::App& app, CommandContext& context);
void RegisterMeshCommand(CLI::App& app, CommandContext& context);
void RegisterConvertCommand(CLI::App& app, CommandContext& context);
void RegisterRenderCommand(CLI::App& app, CommandContext& context);

}  // namespace oskava::cli
