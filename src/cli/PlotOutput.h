// The plots of the commands (a histogram, an error model, misfit by electrode)
// written as pictures: the option that names the file, and the writing.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

#include "view/Canvas.h"

namespace oskava::cli {

/// The size of a plot's picture, pixels (PDF: points).
constexpr Size kPlotSize{640, 400};

/// Adds the option that names a plot's picture, which must end in .png, .svg or .pdf.
CLI::Option* AddPlotOption(CLI::App& command, const std::string& name, std::string& path,
                           const std::string& description);

/// Writes the plot drawn on a canvas whose device is a kPlotSize picture; false, with
/// "error: cannot write PATH: why" on standard error, when it cannot. Makes the
/// HeadlessGui for its fonts: no other Qt application may exist.
bool WritePlot(const std::string& path, const std::function<void(Canvas&)>& draw);

}  // namespace oskava::cli
