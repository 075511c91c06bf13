// The Min / Max command: the view's colour ranges edited in the "Set data range"
// dialog, in the quantity that the colour bars show.
#include "survey/DatDoc.h"
#include "view/DatView.h"
#include "view/MinMaxRules.h"
#include "view/ValueRange.h"

namespace oskava {

namespace {

RangeLabelling Labelling(const CDatView& view) {
    RangeLabelling labelling;
    labelling.resistivity = view.GetDocument().isDC && !view.showConductivity;
    labelling.linear = !view.logLabels;
    labelling.secondPanel = view.secondPanel;
    labelling.secondShowsPredicted = view.showPredicted;
    labelling.secondTitle = view.showPredicted    ? "predicted"
                            : view.showErrors     ? "errors"
                            : view.showDifference ? "difference"
                                                  : "";
    return labelling;
}

}  // namespace

MinMaxFields CDatView::RangeFields() const {
    return DisplayedRanges(ColourRanges{rangeMin, rangeMax, range2Min, range2Max},
                           Labelling(*this));
}

void CDatView::ApplyRangeFields(const MinMaxFields& fields) {
    if (fields.reset) {
        rangeMin = doc_.valueMin;
        rangeMax = doc_.valueMax;
        if (secondPanel) {
            FiniteRange(mesh.secondValues, range2Min, range2Max);
        }
    } else {
        const ColourRanges stored = StoredRanges(
            fields, Labelling(*this), ColourRanges{rangeMin, rangeMax, range2Min, range2Max});
        rangeMin = stored.min1;
        rangeMax = stored.max1;
        range2Min = stored.min2;
        range2Max = stored.max2;
    }
    RepaintAll();
}

void CDatView::EditRanges() {
    MinMaxFields fields = RangeFields();
    for (;;) {
        MinMaxFields edited = fields;
        if (doc_.prompts().EditMinMax(edited) != DialogResult::Ok) {
            return;
        }
        // The dialog edits the numbers; what they mean stays the view's.
        fields.reset = edited.reset;
        fields.min1 = edited.min1;
        fields.max1 = edited.max1;
        fields.min2 = edited.min2;
        fields.max2 = edited.max2;
        if (fields.reset) {
            break;
        }
        // A dialog that let refused values through is opened again with them.
        const std::string refusal = MinMaxRefusal(fields);
        if (refusal.empty()) {
            break;
        }
        doc_.prompts().Message(refusal, MessageKind::Plain);
    }
    ApplyRangeFields(fields);
}

}  // namespace oskava
