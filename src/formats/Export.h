// Exporting the survey as it is open (with its edits) to the input files of other
// programs: the unified data format and Res2DInv's general array.
#pragma once

#include <string>
#include <vector>

#include "formats/ForeignFormat.h"
#include "survey/DatDoc.h"

namespace oskava {

/// The survey in the unified data format: the electrodes in increasing x with their
/// elevations, then "a b m n r err" (DC) or "a b m n ip iperr" (IP) per datum.
std::string UnifiedText(const CDatDoc& doc);

/// The survey as a Res2DInv general array of resistances, each electrode with its
/// elevation. A dipole-pole datum is written as its reciprocal pole-dipole.
std::string Res2DInvText(const CDatDoc& doc);

/// The elevation of an electrode at x (m): the reference elevation less the loaded
/// topography's depth there; 0 without topography.
double ElectrodeElevation(const CDatDoc& doc, double x);

/// Whether the export carries standard deviations: the survey has its own (not the
/// inversion log's defaults) and some datum's is positive.
bool ExportsStdDevs(const CDatDoc& doc);

/// The files the survey was read from, which an export must not replace.
std::vector<std::string> SurveyInputs(const CDatDoc& doc);

/// Writes the open survey to output in the format; refusals and failures are told
/// through the document's prompts and give false with nothing written: an IP survey
/// to Res2DInv, an output that would replace one of inputs.
bool ExportSurvey(const CDatDoc& doc, ForeignFormat format, const std::string& output,
                  const std::vector<std::string>& inputs);

}  // namespace oskava
