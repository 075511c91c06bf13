// What the readers of other programs' files share as they go: the data made so far,
// the lines that gave none, the all-or-none rule of standard deviations, the
// electrodes' elevations, and refusals worded alike for every format.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "formats/FileLines.h"
#include "formats/ImportedSurvey.h"
#include "formats/Quadrupole.h"
#include "survey/Progress.h"

namespace oskava {

/// The elevations of the electrodes, one per position along the line.
class ElevationSet {
  public:
    /// Records the elevation at x; false, with the one already there in existing, when
    /// x has another elevation.
    bool Add(double x, double elevation, double& existing);
    /// The points in increasing x; empty when every elevation is the same.
    std::vector<GroundPoint> Ground() const;

  private:
    std::unordered_map<double, double> elevations_;
};

class SurveyBuilder {
  public:
    /// For the file at path, read through lines; ip: the data are the IP values.
    SurveyBuilder(const std::string& path, FileLines& lines, bool ip, Progress& progress);

    ImportedSurvey survey;
    ElevationSet elevations;

    /// The file carries an error for each datum (of the DC or the IP value, as read).
    void SetErrorColumn() { errorColumn_ = true; }
    /// Adds the datum of the line (number from 1), or skips the line when the value is
    /// not finite; stdDev not positive or not finite: the datum has no usable error.
    void Add(int64_t line, const Quadrupole& electrodes, double value, double stdDev);
    /// The line (number from 1) gives no datum, for the reason given.
    void Skip(int64_t line, const std::string& reason);
    /// The elevation of an electrode at x; false, with the file refused, when the
    /// electrodes at x have two.
    bool AddElevation(double x, double elevation);

    // Refusals: each records why the file is not read, "PATH: ...", and returns false.
    // The first one recorded is the one the person hears of.

    bool Refuse(const std::string& message);
    /// A line that is not what the format has there: "line N: expected ...", the line.
    bool RefuseLine(const std::string& expected);
    /// The file ends before what its counts promise.
    bool RefuseEnd(const std::string& missing);
    /// x and y positions that put the electrodes off one line.
    bool RefuseThreeDimensional(double y1, double y2);

    /// The survey once the reader is done, moved out of the builder: refused when a
    /// refusal was recorded, when no line gave a datum or, for IP, when every IP value is
    /// 0; otherwise with the standard deviations all or none and the ground when the
    /// elevations differ.
    ImportedSurvey Finish();

  private:
    ImportedSurvey Take() { return std::move(survey); }

    const std::string path_;
    FileLines& lines_;
    const bool ip_;
    Progress& progress_;
    bool errorColumn_ = false;
    bool anyIpValue_ = false;
    int64_t skippedCount_ = 0;
    std::string skippedList_;
};

/// A position or an elevation in a message: "1.5".
std::string Shown(double value);

/// Why a file with two elevations at one position is refused.
std::string ElevationConflict(double x, double elevation1, double elevation2);

}  // namespace oskava
