// The sequence that opens a survey: observations, topography, derived quantities,
// then the inversion's outputs when asked for.
#pragma once

#include <functional>

#include "survey/DatDoc.h"
#include "survey/OpenRequest.h"

namespace oskava {

/// Runs the opening sequence on the document: the observation file, the data type,
/// the topography profile, the derived quantities, the inversion log (only when the
/// observations carry no standard deviations), then the predicted data. A predicted
/// file that fails has shown its message; the survey opens without predicted data.
/// DC data with the wrong sign stop the derived quantities with their messages; then,
/// as request.wrongSign says, the survey opens without every such datum (modified,
/// the count in a status message) or the load stops. With every datum wrong it stops.
/// readSurvey, when given, reads the survey in place of the observation and topography
/// files: another program's file, whose electrodes carry their elevations.
OpenOutcome OpenSurvey(CDatDoc& doc, const OpenRequest& request,
                       const std::function<bool(CDatDoc&)>& readSurvey = nullptr);

}  // namespace oskava
