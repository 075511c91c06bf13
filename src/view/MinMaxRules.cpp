#include "view/MinMaxRules.h"

#include <cmath>
#include <utility>

namespace oskava {

namespace {

// A stored range as the colour bar labels it, and back.
void ToDisplayed(double& min, double& max, const RangeLabelling& labelling) {
    if (labelling.resistivity) {
        std::swap(min, max);
        min = -min;
        max = -max;
    }
    if (labelling.linear) {
        min = std::pow(10.0, min);
        max = std::pow(10.0, max);
    }
}

void ToStored(double& min, double& max, const RangeLabelling& labelling) {
    if (labelling.linear) {
        min = std::log10(min);
        max = std::log10(max);
    }
    if (labelling.resistivity) {
        std::swap(min, max);
        min = -min;
        max = -max;
    }
}

std::string RangeRefusal(double min, double max, bool positive) {
    if (!std::isfinite(min) || !std::isfinite(max)) {
        return "Enter a number.";
    }
    if (min >= max) {
        return "min. should be less than max.";
    }
    if (positive && min <= 0) {
        return "min. and max. should be greater than 0.";
    }
    return "";
}

}  // namespace

MinMaxFields DisplayedRanges(const ColourRanges& stored, const RangeLabelling& labelling) {
    MinMaxFields fields;
    fields.secondGroup = labelling.secondPanel;
    fields.secondTitle = labelling.secondPanel ? labelling.secondTitle : "";
    fields.min1 = stored.min1;
    fields.max1 = stored.max1;
    fields.min2 = stored.min2;
    fields.max2 = stored.max2;
    ToDisplayed(fields.min1, fields.max1, labelling);
    fields.positive1 = labelling.linear;
    if (labelling.secondPanel && labelling.secondShowsPredicted) {
        ToDisplayed(fields.min2, fields.max2, labelling);
        fields.positive2 = labelling.linear;
    }
    return fields;
}

ColourRanges StoredRanges(const MinMaxFields& fields, const RangeLabelling& labelling,
                          const ColourRanges& current) {
    ColourRanges stored = current;
    stored.min1 = fields.min1;
    stored.max1 = fields.max1;
    ToStored(stored.min1, stored.max1, labelling);
    if (labelling.secondPanel) {
        stored.min2 = fields.min2;
        stored.max2 = fields.max2;
        if (labelling.secondShowsPredicted) {
            ToStored(stored.min2, stored.max2, labelling);
        }
    }
    return stored;
}

std::string MinMaxRefusal(const MinMaxFields& fields) {
    std::string refusal = RangeRefusal(fields.min1, fields.max1, fields.positive1);
    if (refusal.empty() && fields.secondGroup) {
        refusal = RangeRefusal(fields.min2, fields.max2, fields.positive2);
    }
    return refusal;
}

}  // namespace oskava
