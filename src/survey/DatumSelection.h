// The click on a datum: the record whose marker holds the point becomes the selected
// datum and the document's Data Properties window shows it. The window's buttons are
// in editing/DatumProperties.h.
#pragma once

#include <cstdint>

#include "survey/DatDoc.h"

namespace oskava {

/// The fields the window shows for a record; valueMode as before, or value mode when
/// the datum gives no percentage. A predicted value that is not finite is shown empty.
DatPropFields DatPropFieldsOf(const Cobs& record, bool isDC, bool predictedLoaded, bool valueMode);

/// A click at a point in the view's logical units: the first record (in data-set
/// order) whose marker contains it becomes selectedDatum and is shown in the window,
/// which is created through the prompts when there is none. Returns its index, or -1
/// (nothing changes) when no marker contains the point.
int32_t ShowDatumProperties(CDatDoc& doc, int32_t x, int32_t y);

/// Fills an open window again from record selectedDatum (after its values changed).
void RefillDatumProperties(CDatDoc& doc);

/// True when selectedDatum is the index of a record.
bool HasSelectedDatum(const CDatDoc& doc);

}  // namespace oskava
