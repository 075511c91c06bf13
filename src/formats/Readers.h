// The readers of the three formats, each in its own file. Each reads the whole file at
// path and returns the survey, or the reason it refuses the file; ip: the data are the
// file's IP values instead of its resistances.
#pragma once

#include <string>

#include "formats/ImportedSurvey.h"
#include "survey/Progress.h"

namespace oskava {

ImportedSurvey ReadUnified(const std::string& path, bool ip, Progress& progress);
ImportedSurvey ReadRes2DInv(const std::string& path, bool ip, Progress& progress);
ImportedSurvey ReadSyscal(const std::string& path, bool ip, Progress& progress);

/// The title of a survey whose file has none: the file's name and its format.
std::string FallbackTitle(const std::string& path, const char* formatName);

}  // namespace oskava
