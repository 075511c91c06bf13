// The second panel's display modes (standard deviations, predicted data, normalized
// differences with the data misfit) and the view's other display switches.
#include <cmath>

#include "survey/DatDoc.h"
#include "survey/Misfit.h"
#include "view/DatView.h"
#include "view/ValueRange.h"

namespace oskava {

void CDatView::RefillSecondPanel() {
    if (showErrors) {
        RefreshErrors();
    } else if (showDifference) {
        showDifference = false;
        ToggleDifference();
    } else if (doc_.predictedLoaded) {
        showPredicted = false;
        TogglePredicted();
    }
}

void CDatView::ToggleErrors() {
    showErrors = !showErrors;
    secondPanel = showErrors;
    if (showErrors) {
        showPredicted = false;
        showDifference = false;
        UpdateScrollSizes();
        RefreshErrors();
    } else {
        UpdateScrollSizes();
        RepaintAll();
    }
}

double CDatView::ErrorValue(const Cobs& record) const {
    // DC: the standard deviation in percent of the datum.
    return doc_.isDC ? std::fabs(record.stdDev / record.datum) * 100 : record.stdDev;
}

void CDatView::RefreshErrors() {
    if (!showErrors) {
        return;
    }
    range2Min = 1e20;
    range2Max = -1e20;
    mesh.secondValues.resize(doc_.observations.size());
    for (size_t i = 0; i < doc_.observations.size(); ++i) {
        const double v = ErrorValue(doc_.observations[i]);
        mesh.secondValues[i] = v;
        WidenRange(v, range2Min, range2Max);
    }
    ToNodeOrder(mesh.secondValues);
    SettleEmptyRange(range2Min, range2Max);
    if (std::fabs(range2Max - range2Min) < 0.001) {
        // Equal standard deviations, all assigned by one percentage for instance,
        // still give a usable range.
        range2Min = range2Min - 0.001;
        range2Max = range2Max + 0.001;
    }
    host_.InvalidateAll();
    host_.ValidateRect(panelRect[0]);
}

void CDatView::TogglePredicted() {
    showPredicted = !showPredicted;
    if (showPredicted) {
        showDifference = false;
        showErrors = false;
        mesh.secondValues.resize(doc_.observations.size());
        for (size_t i = 0; i < doc_.observations.size(); ++i) {
            mesh.secondValues[i] = doc_.observations[i].predictedDisplayValue;
        }
        // Panel 2 uses panel 1's colours so that observed and predicted compare directly.
        range2Min = rangeMin;
        range2Max = rangeMax;
        ToNodeOrder(mesh.secondValues);
    }
    secondPanel = showPredicted;
    UpdateScrollSizes();
    host_.InvalidateAll();
    if (secondPanel) {
        host_.ValidateRect(panelRect[0]);
    }
}

void CDatView::ToggleDifference() {
    showDifference = !showDifference;
    if (showDifference) {
        showErrors = false;
        showPredicted = false;
        FillDifference();
    }
    secondPanel = showDifference;
    UpdateScrollSizes();
    host_.InvalidateAll();
    if (secondPanel) {
        host_.ValidateRect(panelRect[0]);
    }
}

void CDatView::RefreshDifference() {
    if (!showDifference) {
        return;
    }
    FillDifference();
    host_.InvalidateAll();
    host_.ValidateRect(panelRect[0]);
}

void CDatView::FillDifference() {
    range2Min = 1e20;
    range2Max = -1e20;
    mesh.secondValues.resize(doc_.observations.size());
    for (size_t i = 0; i < doc_.observations.size(); ++i) {
        const double v = doc_.observations[i].normalizedDiff;
        mesh.secondValues[i] = v;
        WidenRange(v, range2Min, range2Max);
    }
    misfit = DataMisfit(doc_.observations);
    SettleEmptyRange(range2Min, range2Max);
    if (range2Min < 0 && range2Max > 0) {
        const double m = range2Max > -range2Min ? range2Max : -range2Min;
        range2Max = m;
        range2Min = -m;
    }
    ToNodeOrder(mesh.secondValues);
}

void CDatView::ToggleInterpolate() {
    interpolate = !interpolate;
    RepaintAll();
}

void CDatView::ToggleDataPoints() {
    showDataPoints = !showDataPoints;
    RepaintAll();
}

void CDatView::ChooseIpUnits() {
    int unitIndex = doc_.ipUnits;
    if (doc_.prompts().ChooseIpUnits(unitIndex) == DialogResult::Ok) {
        doc_.ipUnits = unitIndex;
        RepaintAroundPanels();
    }
}

}  // namespace oskava
