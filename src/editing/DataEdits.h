// The edits of the survey data set, without their dialogs: each changes the records,
// adds what it changed to the document's journal, marks the document modified and
// asks the view for what it must redraw. A command that changes values keeps the
// records and their order; a deletion removes the records listed and keeps the order
// of the others.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "survey/DatDoc.h"

namespace oskava {

class GaussianDeviates;

/// Every record's stdDev = |datum| * percent * 0.01 + minimum; clears defaultErrors.
void AssignStdDev(CDatDoc& doc, double percent, double minimum);

/// Every record's stdDev = stdDevOf(datum), journaled under editName, as one edit:
/// the path of every command that assigns standard deviations. Clears defaultErrors;
/// the normalized differences and the panels follow.
void AssignStdDevs(CDatDoc& doc, const char* editName,
                   const std::function<double(double datum)>& stdDevOf);

/// Gives every record the standard deviation of AssignStdDev and adds to its datum a
/// deviate (seeded with 2 at every use) times that standard deviation. A DC datum
/// keeps its sign: a noisy value of the other sign (or 0) becomes +-1e-5. Display
/// values and their extents follow; defaultErrors is left as it was.
void AddGaussianNoise(CDatDoc& doc, double percent, double minimum, GaussianDeviates& deviates);

/// Indices (ascending) of the records that use an electrode at exactly location: as
/// A or B when transmitter is set, as M or N when receiver is set. Each at most once.
std::vector<size_t> ElectrodeData(const std::vector<Cobs>& observations, double location,
                                  bool transmitter, bool receiver);

/// Removes the records at the indices (ascending, each once), journaled under
/// editName. With data left, the derived quantities are computed again and the views
/// told (hint 1: they keep their colour range and display modes); with none, "All
/// data deleted." is shown and the data set stays not ready.
void DeleteRecords(CDatDoc& doc, const std::vector<size_t>& indices, const char* editName);

/// A deletion as the commands ask for it: closes Data Properties, says "No data
/// deleted." for no indices, else asks "Are you sure you want to delete N data?" and on
/// Yes deletes them (DeleteRecords). True when they were deleted.
bool ConfirmAndDelete(CDatDoc& doc, const std::vector<size_t>& indices, const char* editName);

/// The statistics of the magnitudes of the data, as the statistics command shows
/// them; needs at least one record.
std::string StatisticsText(const std::vector<Cobs>& observations);

/// After values of records changed in place: the normalized differences (when
/// predicted data are loaded), an open Data Properties window, and the view's
/// standard-deviation and difference panels follow the new values.
void ValuesChanged(CDatDoc& doc);

/// After records were removed or put back: with records, the data set is ready and
/// the views rebuild (hint 1), ending the long work they report (triangulating);
/// without any, the data set is not ready and the window empties.
void RecordsChanged(CDatDoc& doc);

}  // namespace oskava
