// The Data Properties window's buttons, "Set", "Delete" and "Close", and the two
// document operations behind them. At most one window exists; the document owns it
// (CDatDoc::propertiesDialog); the click that opens it is in survey/DatumSelection.h.
#pragma once

#include <cstdint>
#include <string>

#include "editing/EditDialogRules.h"
#include "survey/DatDoc.h"
#include "survey/DatumSelection.h"

namespace oskava {

/// The standard deviation of record selectedDatum becomes value; its normalized
/// difference follows when predicted data are loaded.
void SetSelectedStdDev(CDatDoc& doc, double value);

/// Removes record selectedDatum as DeleteRecords does.
void DeleteSelectedDatum(CDatDoc& doc);

/// "Set" with the texts of the error value and error percent edits: refused entries
/// are returned (the window shows the refusal and focuses the control); otherwise the
/// other of the two follows from the one being edited, the window shows them and the
/// value becomes the datum's standard deviation.
Refusal PressSet(CDatDoc& doc, const std::string& valueText, const std::string& percentText);

/// "Delete": removes the datum, then the window goes.
void PressDelete(CDatDoc& doc);

/// "Close", Escape or the close box: the window goes and the views repaint (hint 2).
void CloseDatumProperties(CDatDoc& doc);

}  // namespace oskava
