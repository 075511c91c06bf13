// What import makes of another program's file: the records the observation reader
// would make of the same survey (positions along the line, the DC datum as transfer
// resistance in ohm or the IP datum as written, standard deviations in the datum's
// unit), the ground under the electrodes, and what the person should hear about it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace oskava {

/// One datum: positions in metres in the program's convention (pole: xb = xa, xn = xm).
struct ImportedDatum {
    double xa = 0, xb = 0, xm = 0, xn = 0;
    double value = 0;
    double stdDev = 0;  // 0: none
};

/// A point of the ground: position along the line and elevation, metres.
struct GroundPoint {
    double x = 0;
    double elevation = 0;
};

struct ImportedSurvey {
    std::string title;                 // becomes the observation file's first line
    std::vector<ImportedDatum> data;   // in the order of the file
    bool hasStdDev = false;            // every datum has one; otherwise none has
    std::vector<GroundPoint> ground;   // x increasing; empty when the ground is level
    std::string skipped;               // the lines that gave no datum, when there are any
    int64_t skippedLines = 0;          // how many there are
    size_t dataWithoutError = 0;       // data without a usable error in a file with errors
    std::vector<std::string> remarks;  // anything else about the reading
    std::string error;                 // why the file is refused; empty when it was read
};

/// The highest elevation of the ground, which a topography file takes as its reference;
/// 0 without points.
double HighestElevation(const std::vector<GroundPoint>& ground);

/// Everything the person should hear about a successful import, one paragraph per
/// matter; outcome says what happens to the data ("OUT.dat is written"). Empty when
/// there is nothing to say.
std::string ImportInformation(const ImportedSurvey& survey, const std::string& outcome);

}  // namespace oskava
