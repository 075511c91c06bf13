// Importing a survey from another program's file: the format found from the content or
// named, the file read whole, and the records written as an observation file with the
// electrodes' elevations as a topography file beside it.
#pragma once

#include <optional>
#include <string>

#include "formats/ForeignFormat.h"
#include "formats/ImportedSurvey.h"
#include "survey/Progress.h"
#include "survey/Prompts.h"

namespace oskava {

/// The format of the file at path from its first lines: Syscal when the first line
/// names the columns El-array and electrode positions, unified when the first line
/// with something before any "#" is a single whole number, Res2DInv when the second
/// line is a number and the third a whole one; nullopt for anything else.
std::optional<ForeignFormat> DetectFormat(const std::string& path);

/// Reads the survey in the file at path, in the format given or, without one, the
/// format found from the content; ip: the data are the file's IP values. A refused
/// file (unreadable, empty, in no known format, or breaking its format) comes back
/// with the reason in error, beginning with the path.
ImportedSurvey ImportSurvey(const std::string& path, std::optional<ForeignFormat> format, bool ip,
                            Progress& progress);

/// The observation file of an imported survey in the general layout: the title line,
/// then "xa xb xm xn datum [stdDev]" per datum, every number exactly as it is.
std::string ImportedObservationText(const ImportedSurvey& survey);

/// The command line's import: reads input and writes output and, when the elevations
/// differ, output's topography file beside it (extension ".topo"). Refusals and the
/// information about the reading are told through the prompts. Nothing is written when
/// the file is refused or an output would replace the input. False when nothing or not
/// everything was written.
bool ImportToFile(const std::string& input, const std::string& output,
                  std::optional<ForeignFormat> format, bool ip, Prompts& prompts);

}  // namespace oskava
