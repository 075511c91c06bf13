// The rule for coinciding pseudo-locations exactly as it is stated, comparing every
// pair: the oracle that the program's faster pass must match bit for bit.
#pragma once

#include <vector>

#include "survey/Cobs.h"

namespace oskava::test {

/// For i in record order and every later j: when both pseudo-locations are exactly
/// equal at that moment, lowers j's pseudoDepth by step.
inline void PairwiseCoincidingRule(std::vector<Cobs>& records, double step) {
    for (size_t i = 0; i + 1 < records.size(); ++i) {
        for (size_t j = i + 1; j < records.size(); ++j) {
            if (records[i].pseudoX == records[j].pseudoX &&
                records[i].pseudoDepth == records[j].pseudoDepth) {
                records[j].pseudoDepth -= step;
            }
        }
    }
}

}  // namespace oskava::test
