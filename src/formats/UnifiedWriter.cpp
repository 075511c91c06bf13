// The unified data format as pyGIMLi reads it, with numbers that readers taking no
// exponent and no signed whole numbers read as well.
#include <algorithm>
#include <cmath>

#include "formats/Export.h"
#include "survey/ExactNumber.h"

namespace oskava {

namespace {

// Every distinct position that a datum uses, in increasing x; the repeated position of
// a pole's missing electrode is no electrode of its own.
std::vector<double> ElectrodePositions(const std::vector<Cobs>& records) {
    std::vector<double> positions;
    positions.reserve(records.size() * 4);
    for (const Cobs& record : records) {
        positions.insert(positions.end(), {record.xa, record.xb, record.xm, record.xn});
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.shrink_to_fit();
    return positions;
}

void AppendElectrode(std::string& out, const std::vector<double>& positions, double x) {
    const auto at = std::lower_bound(positions.begin(), positions.end(), x);
    out += std::to_string(at - positions.begin() + 1);
    out += '\t';
}

}  // namespace

std::string UnifiedText(const CDatDoc& doc) {
    const std::vector<double> positions = ElectrodePositions(doc.observations);
    const bool withStdDev = ExportsStdDevs(doc);
    std::string out;
    if (!doc.headerLine.empty()) {
        out += "# " + doc.headerLine + "\n";
    }
    out += std::to_string(positions.size()) + "\n# x z\n";
    for (const double x : positions) {
        AppendDecimal(out, x);
        out += '\t';
        AppendDecimal(out, ElectrodeElevation(doc, x));
        out += '\n';
    }
    out += std::to_string(doc.observations.size()) + "\n";
    out += doc.isDC ? "# a b m n r" : "# a b m n ip";
    out += withStdDev ? (doc.isDC ? " err\n" : " iperr\n") : "\n";
    size_t written = 0;
    for (const Cobs& record : doc.observations) {
        AppendElectrode(out, positions, record.xa);
        if (record.xb != record.xa) {
            AppendElectrode(out, positions, record.xb);
        } else {
            out += "0\t";
        }
        AppendElectrode(out, positions, record.xm);
        if (record.xn != record.xm) {
            AppendElectrode(out, positions, record.xn);
        } else {
            out += "0\t";
        }
        AppendDecimal(out, record.datum);
        if (withStdDev) {
            // pyGIMLi's error is relative to the resistance; a resistance of 0 has none.
            const double error = !doc.isDC ? record.stdDev
                                 : record.datum != 0 && record.stdDev > 0
                                     ? record.stdDev / std::fabs(record.datum)
                                     : 0;
            out += '\t';
            AppendDecimal(out, error);
        }
        out += '\n';
        if (++written % 4096 == 0) {
            doc.progress().Tick();
        }
    }
    out += "0\n";
    return out;
}

}  // namespace oskava
