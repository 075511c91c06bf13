// The Data Properties window's behaviour: the click that opens or refills it, its
// "Set", "Delete" and "Close", and the two document operations behind them. At most
// one window exists; the document owns it (CDatDoc::propertiesDialog).
#pragma once

#include <cstdint>
#include <string>

#include "editing/EditDialogRules.h"
#include "survey/DatDoc.h"
#include "view/Canvas.h"

namespace oskava {

/// The fields the window shows for a record; valueMode as before, or value mode when
/// the datum gives no percentage.
DatPropFields DatPropFieldsOf(const Cobs& record, bool isDC, bool predictedLoaded, bool valueMode);

/// A click on the view at a logical point: the first record (in data-set order) whose
/// marker contains it becomes selectedDatum and is shown in the window, which is
/// created (through the prompts) when there is none. Returns its index, or -1 (nothing
/// changes) when no marker contains the point.
int32_t ShowDatumProperties(CDatDoc& doc, Point logical);

/// Fills an open window again from record selectedDatum (after its values changed).
void RefillDatumProperties(CDatDoc& doc);

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
