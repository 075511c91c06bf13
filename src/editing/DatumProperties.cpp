#include "editing/DatumProperties.h"

#include <cmath>

#include "editing/DataEdits.h"
#include "editing/EditJournal.h"
#include "view/DatView.h"

namespace oskava {

void SetSelectedStdDev(CDatDoc& doc, double value) {
    if (!HasSelectedDatum(doc)) {
        return;
    }
    const auto selected = static_cast<size_t>(doc.selectedDatum);
    doc.journal().Add(ValueEdit::StdDevs(edit_name::SetStdDev, doc, selected, 1));
    Cobs& record = doc.observations[selected];
    record.stdDev = value;
    if (doc.predictedLoaded) {
        record.SetNormalizedDiff();
    }
    doc.SetModifiedFlag();
    if (doc.view != nullptr) {
        doc.view->RefreshErrors();
        doc.view->RefreshDifference();
    }
}

void DeleteSelectedDatum(CDatDoc& doc) {
    if (HasSelectedDatum(doc)) {
        DeleteRecords(doc, {static_cast<size_t>(doc.selectedDatum)}, edit_name::DeleteDatum);
    }
}

Refusal PressSet(CDatDoc& doc, const std::string& valueText, const std::string& percentText) {
    if (!doc.propertiesDialog) {
        return Refusal{};
    }
    DatPropFields& fields = doc.propertiesDialog->fields;
    DatPropFields entered = fields;
    const Refusal refusal = ReadDatPropEntries(valueText, percentText, entered);
    if (refusal.Refused()) {
        return refusal;
    }
    const double d = std::fabs(entered.datumCopy);
    if (entered.valueMode) {
        if (entered.HasPercent()) {
            entered.errorPercent = entered.errorValue / d * 100;
        }
    } else {
        entered.errorValue = d * entered.errorPercent / 100;
    }
    fields = entered;
    SetSelectedStdDev(doc, fields.errorValue);
    // The window shows the normalized difference of the new standard deviation.
    if (doc.predictedLoaded && HasSelectedDatum(doc)) {
        fields.normalizedDiff =
            doc.observations[static_cast<size_t>(doc.selectedDatum)].normalizedDiff;
    }
    doc.propertiesDialog->Show();
    return Refusal{};
}

void PressDelete(CDatDoc& doc) {
    DeleteSelectedDatum(doc);
    CloseDatumProperties(doc);
}

void CloseDatumProperties(CDatDoc& doc) {
    // The window goes when this returns: the adapter may be inside its own handler.
    const std::unique_ptr<CDatProp> window = std::move(doc.propertiesDialog);
    if (window) {
        doc.UpdateAllViews(2);
    }
}

}  // namespace oskava
