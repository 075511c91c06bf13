#include "survey/DatumSelection.h"

#include <cmath>

namespace oskava {

namespace {

bool Contains(const ScreenRect& r, int32_t x, int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

}  // namespace

bool HasSelectedDatum(const CDatDoc& doc) {
    return doc.selectedDatum >= 0 &&
           static_cast<size_t>(doc.selectedDatum) < doc.observations.size();
}

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

int32_t CDatDoc::DatumAt(int32_t x, int32_t y) const {
    for (size_t i = 0; i < observations.size(); ++i) {
        if (Contains(observations[i].screenRect, x, y)) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t CDatDoc::ShowDatumProperties(int32_t x, int32_t y) {
    const int32_t found = DatumAt(x, y);
    if (found < 0) {
        return -1;
    }
    selectedDatum = found;
    if (!propertiesDialog) {
        propertiesDialog = prompts().OpenDatumProperties(*this);
    }
    RefillDatumProperties(*this);
    return found;
}

void RefillDatumProperties(CDatDoc& doc) {
    if (!doc.propertiesDialog || !HasSelectedDatum(doc)) {
        return;
    }
    CDatProp& window = *doc.propertiesDialog;
    window.fields = DatPropFieldsOf(doc.observations[static_cast<size_t>(doc.selectedDatum)],
                                    doc.isDC, doc.predictedLoaded, window.fields.valueMode);
    window.Show();
}

}  // namespace oskava
