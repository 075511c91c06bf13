#include "analysis/ErrorEdits.h"

#include <algorithm>
#include <cmath>

#include "editing/DataEdits.h"
#include "editing/FieldNumbers.h"
#include "survey/CFormat.h"

namespace oskava {

bool AssignModelStdDevs(CDatDoc& doc, const ErrorModel& model) {
    size_t unusable = 0;
    for (const Cobs& record : doc.observations) {
        const double s = model.StdDev(std::fabs(record.datum));
        unusable += std::isfinite(s) && s > 0 ? 0 : 1;
    }
    if (unusable > 0) {
        doc.prompts().Message(
            CFormat("The model gives %zu data no positive standard deviation.\nNothing was "
                    "assigned.",
                    unusable),
            MessageKind::Warning);
        return false;
    }
    AssignStdDevs(doc, edit_name::AssignFromModel,
                  [model](double datum) { return model.StdDev(std::fabs(datum)); });
    return true;
}

std::vector<size_t> PairDataAbove(const std::vector<ErrorPair>& pairs, double percent) {
    std::vector<bool> listed;
    for (const ErrorPair& pair : pairs) {
        if (pair.Above(percent)) {
            listed.resize(std::max({listed.size(), pair.first + 1, pair.second + 1}));
            listed[pair.first] = true;
            listed[pair.second] = true;
        }
    }
    std::vector<size_t> indices;
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i]) {
            indices.push_back(i);
        }
    }
    return indices;
}

bool DeletePairsAbove(CDatDoc& doc, const std::vector<ErrorPair>& pairs, double percent) {
    const std::string name = "Delete pairs above " + FormatFieldNumber(percent) + " %";
    return ConfirmAndDelete(doc, PairDataAbove(pairs, percent), name.c_str());
}

Refusal ReadDropAboveEntry(const std::string& text, double& percent) {
    return ReadRanged(text, 0, 200, control::DropAbovePercent, percent);
}

}  // namespace oskava
