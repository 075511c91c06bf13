// The click on a datum (CDatDoc::ShowDatumProperties): the record whose marker holds
// the point becomes the selected datum and the document's Data Properties window
// shows it. The window's buttons are in editing/DatumProperties.h.
#pragma once

#include <cstdint>

#include "survey/DatDoc.h"

namespace oskava {

/// The fields the window shows for a record; valueMode as before, or value mode when
/// the datum gives no percentage. A predicted value that is not finite is shown empty.
DatPropFields DatPropFieldsOf(const Cobs& record, bool isDC, bool predictedLoaded, bool valueMode);

/// Fills an open window again from record selectedDatum (after its values changed).
void RefillDatumProperties(CDatDoc& doc);

/// True when selectedDatum is the index of a record.
bool HasSelectedDatum(const CDatDoc& doc);

}  // namespace oskava
