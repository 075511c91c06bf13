#include "editing/DatumProperties.h"

#include <cmath>
#include <vector>

#include "editing/DataEdits.h"
#include "view/DatView.h"

namespace oskava {

namespace {

bool Contains(const ScreenRect& r, Point p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

bool HasSelection(const CDatDoc& doc) {
    return doc.selectedDatum >= 0 &&
           static_cast<size_t>(doc.selectedDatum) < doc.observations.size();
}

}  // namespace

DatPropFields DatPropFieldsOf(const Cobs& record, bool isDC, bool predictedLoaded, bool valueMode) {
    DatPropFields fields;
    fields.xa = record.xa;
    fields.xb = record.xb;
    fields.xm = record.xm;
    fields.xn = record.xn;
    fields.datumCopy = record.datum;
    fields.datum = record.datum;
    fields.errorValue = record.stdDev;
    fields.isDC = isDC;
    fields.predictedShown = predictedLoaded;
    if (isDC) {
        fields.apparentResistivity = std::pow(10.0, -record.displayValue);
        fields.errorPercent =
            fields.HasPercent() ? record.stdDev / std::fabs(record.datum) * 100 : NAN;
    }
    if (predictedLoaded) {
        fields.predicted = record.predicted;
        fields.normalizedDiff = record.normalizedDiff;
    }
    fields.valueMode = valueMode || !fields.PercentSelectable();
    return fields;
}

int32_t ShowDatumProperties(CDatDoc& doc, Point logical) {
    int32_t found = -1;
    for (size_t i = 0; i < doc.observations.size(); ++i) {
        if (Contains(doc.observations[i].screenRect, logical)) {
            found = static_cast<int32_t>(i);
            break;
        }
    }
    if (found < 0) {
        return -1;
    }
    doc.selectedDatum = found;
    if (!doc.propertiesDialog) {
        doc.propertiesDialog = doc.prompts().OpenDatumProperties(doc);
    }
    RefillDatumProperties(doc);
    return found;
}

void RefillDatumProperties(CDatDoc& doc) {
    if (!doc.propertiesDialog || !HasSelection(doc)) {
        return;
    }
    CDatProp& window = *doc.propertiesDialog;
    window.fields = DatPropFieldsOf(doc.observations[static_cast<size_t>(doc.selectedDatum)],
                                    doc.isDC, doc.predictedLoaded, window.fields.valueMode);
    window.Show();
}

void SetSelectedStdDev(CDatDoc& doc, double value) {
    if (!HasSelection(doc)) {
        return;
    }
    Cobs& record = doc.observations[static_cast<size_t>(doc.selectedDatum)];
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
    if (HasSelection(doc)) {
        DeleteRecords(doc, {static_cast<size_t>(doc.selectedDatum)});
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
    if (doc.predictedLoaded && HasSelection(doc)) {
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
