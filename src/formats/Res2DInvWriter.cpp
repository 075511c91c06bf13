// Res2DInv's general array of resistances: every electrode with its horizontal position
// and elevation, so that no geometric factor is involved and the ground rides along.
#include <algorithm>
#include <cmath>

#include "formats/Export.h"
#include "survey/ExactNumber.h"

namespace oskava {

namespace {

// The smallest distance between two electrode positions: Res2DInv's unit spacing.
double UnitSpacing(const std::vector<Cobs>& records) {
    std::vector<double> positions;
    for (const Cobs& record : records) {
        positions.insert(positions.end(), {record.xa, record.xb, record.xm, record.xn});
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    double spacing = INFINITY;
    for (size_t i = 1; i < positions.size(); ++i) {
        spacing = std::min(spacing, positions[i] - positions[i - 1]);
    }
    return std::isfinite(spacing) ? spacing : 1;
}

void AppendElectrodes(std::string& out, const CDatDoc& doc, std::initializer_list<double> xs) {
    out += std::to_string(xs.size());
    for (const double x : xs) {
        out += ' ';
        AppendDecimal(out, x);
        out += ' ';
        AppendDecimal(out, ElectrodeElevation(doc, x));
    }
}

}  // namespace

std::string Res2DInvText(const CDatDoc& doc) {
    const bool withStdDev = ExportsStdDevs(doc);
    std::string out = doc.headerLine.find_first_not_of(" \t\r") == std::string::npos
                          ? std::string("Exported survey")
                          : doc.headerLine;
    out += '\n';
    AppendDecimal(out, UnitSpacing(doc.observations));
    out += "\n11\n0\nType of measurement (0=app. resistivity,1=resistance)\n1\n";
    out += std::to_string(doc.observations.size()) + "\n1\n0\n";
    if (withStdDev) {
        out += "Error estimate for data present\nType of error estimate (0=same unit as data)\n0\n";
    }
    size_t written = 0;
    for (const Cobs& record : doc.observations) {
        const bool hasB = record.xb != record.xa;
        const bool hasN = record.xn != record.xm;
        if (hasB && hasN) {
            AppendElectrodes(out, doc, {record.xa, record.xb, record.xm, record.xn});
        } else if (hasN) {
            AppendElectrodes(out, doc, {record.xa, record.xm, record.xn});
        } else if (hasB) {
            // Three electrodes are C1 P1 P2: a dipole-pole goes as its reciprocal, the
            // current on M and the potential between A and B, which has the same resistance.
            AppendElectrodes(out, doc, {record.xm, record.xa, record.xb});
        } else {
            AppendElectrodes(out, doc, {record.xa, record.xm});
        }
        out += ' ';
        AppendDecimal(out, record.datum);
        if (withStdDev) {
            out += ' ';
            AppendDecimal(out, std::max(record.stdDev, 0.0));
        }
        out += '\n';
        if (++written % 4096 == 0) {
            doc.progress().Tick();
        }
    }
    out += "0\n0\n0\n0\n0\n";
    return out;
}

}  // namespace oskava
