// The sequence that opens a survey: observations, topography, derived quantities,
// then the inversion's outputs when asked for.
#pragma once

#include <string>

#include "survey/DatDoc.h"

namespace oskava {

/// The files and the data type chosen for opening a survey.
struct OpenRequest {
    std::string dataFile;
    std::string topographyFile;  // empty: none
    bool isDC = true;
};

enum class OpenOutcome {
    Opened,      // the survey is ready and the views were told (hint 0)
    Failed,      // a reader reported why; the document holds no usable survey
    EndProcess,  // a required file is missing: the program must end with status -1
};

/// Runs the File Open sequence on the document with the request's files.
OpenOutcome OpenSurvey(CDatDoc& doc, const OpenRequest& request);

}  // namespace oskava
