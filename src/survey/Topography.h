// The surface profile along the line: positions and depths below the reference
// elevation, and the depth of the surface anywhere on the line.
#pragma once

#include <string>
#include <vector>

namespace oskava {

/// Depth of the profile at x: linear between points, the first and last segments
/// extended beyond the ends. Needs at least two points with increasing x.
double InterpolateSurfaceDepth(const std::vector<double>& topoX,
                               const std::vector<double>& topoDepth, double x);

/// A profile read from a topography file, or why the file cannot be used.
struct TopographyProfile {
    std::vector<double> x;
    std::vector<double> depth;
    double reference = 0;  // the elevation at depth 0
    std::string error;     // empty when the profile is usable
};

/// Parses a topography file's text: the count, the reference elevation, then x and
/// elevation per point, numbers separated by any white space. Refuses fewer than two
/// points, positions that do not increase, and short or malformed files.
TopographyProfile ParseTopography(const std::string& text);

/// The text of a topography file: the count, the reference elevation, then "x elevation"
/// per point, each number exactly as it is. x and elevation have the same length.
std::string TopographyFileText(double reference, const std::vector<double>& x,
                               const std::vector<double>& elevation);

/// What the person hears once the electrodes' elevations are written beside an
/// observation file.
std::string TopographyWrittenNote(const std::string& topographyPath,
                                  const std::string& observationPath);

}  // namespace oskava
