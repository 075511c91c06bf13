// The rules of the "Set data range" dialog: which numbers it shows for the view's
// colour ranges, which entries OK refuses, and what the accepted numbers store. The
// Qt dialog and the command line call the same functions.
#pragma once

#include <string>

#include "survey/Prompts.h"

namespace oskava {

/// The two colour ranges in stored units (log10 conductivity for DC data).
struct ColourRanges {
    double min1 = 0, max1 = 0;  // panel 1
    double min2 = 0, max2 = 0;  // panel 2
};

/// How the colour bars label the ranges, which decides what the dialog shows.
struct RangeLabelling {
    bool resistivity = false;           // DC data labelled as resistivity: negated, ends swapped
    bool linear = false;                // labels show 10 raised to the stored value
    bool secondPanel = false;           // a second panel is shown: the second group is in use
    bool secondShowsPredicted = false;  // panel 2 is labelled like panel 1
    std::string secondTitle;            // "predicted", "errors" or "difference"
};

/// The fields the dialog opens with: the stored ranges in the quantity that the
/// colour bars show. Standard deviations and differences are shown as they are.
MinMaxFields DisplayedRanges(const ColourRanges& stored, const RangeLabelling& labelling);

/// The stored ranges for fields accepted with OK (not Reset); the second range is
/// taken only with a second group, otherwise it stays as in current.
ColourRanges StoredRanges(const MinMaxFields& fields, const RangeLabelling& labelling,
                          const ColourRanges& current);

/// The message with which OK refuses the fields, or empty when they are accepted:
/// "min. should be less than max." when a minimum is not below its maximum, "min. and
/// max. should be greater than 0." for a non-positive value whose logarithm would be
/// stored. Fields of an unused second group are not checked. Shown with
/// MessageKind::Plain; the dialog stays open.
std::string MinMaxRefusal(const MinMaxFields& fields);

}  // namespace oskava
