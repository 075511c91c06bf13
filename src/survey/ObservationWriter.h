// The observation file as the program writes it: the general layout, or the
// common-current layout for a survey that was read in it.
#pragma once

#include <string>

#include "survey/DatDoc.h"

namespace oskava {

/// Appends one general-layout data line and its line end: the positions as "%10.2f",
/// the datum as "%.5e", and with withStdDev " %.5e" with stdDev (0 when not positive).
void WriteObservation(std::string& out, const Cobs& record, bool withStdDev);

/// The title as a general-layout file's first line must hold it to read back as the
/// title: without carriage returns at its end, and never the common-current keyword.
std::string GeneralLayoutTitle(std::string title);

/// The whole file for the survey's records, in the layout the survey was read in.
/// Standard deviations are written on every line when any record has a positive one.
std::string ObservationFileText(const CDatDoc& doc);

}  // namespace oskava
