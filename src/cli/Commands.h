// The commands of oskava-data. Each adds itself to the tool and, when it runs, leaves
// its exit status in the context.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

#include "survey/DatDoc.h"

namespace oskava::cli {

struct CommandContext {
    int status = 0;
};

/// What a survey command does with its opened survey; returns the exit status.
using SurveyAction = std::function<int(CDatDoc& doc)>;

/// Adds a command that takes OBS and the survey options, opens the survey as the
/// viewer's File Open does (exit 1 when it cannot) and then runs the action.
CLI::App* AddSurveyCommand(CLI::App& app, CommandContext& context, const std::string& name,
                           const std::string& description, SurveyAction action);

void RegisterInfoCommand(CLI::App& app, CommandContext& context);
void RegisterDumpCommand(CLI::App& app, CommandContext& context);
void RegisterMeshCommand(CLI::App& app, CommandContext& context);
void RegisterConvertCommand(CLI::App& app, CommandContext& context);
/// errors and electrode-misfit.
void RegisterErrorCommands(CLI::App& app, CommandContext& context);
void RegisterFilterCommand(CLI::App& app, CommandContext& context);
void RegisterRenderCommand(CLI::App& app, CommandContext& context);
void RegisterImportCommand(CLI::App& app, CommandContext& context);
void RegisterExportCommand(CLI::App& app, CommandContext& context);
/// stats, assign, noise, delete-electrode and delete-datum.
void RegisterEditingCommands(CLI::App& app, CommandContext& context);

}  // namespace oskava::cli
