// The ground along the line as a list of points, for files that give a topography list
// or electrode elevations: finds the horizontal position and the elevation of any point
// given by its position along the line, horizontal or measured along the ground.
#pragma once

#include <string>
#include <vector>

#include "formats/ImportedSurvey.h"

namespace oskava {

class GroundProfile {
  public:
    /// From points whose x are horizontal positions. Empty when the points do not
    /// increase in x (why, in error); a point repeated with its elevation counts once.
    static GroundProfile Horizontal(const std::vector<GroundPoint>& points, std::string& error);
    /// From points whose x are distances along the ground: the first point keeps its
    /// x, each segment its length along the ground, dx = sqrt(ds^2 - dz^2). Empty when
    /// the distances do not increase or a segment rises by its length or more.
    static GroundProfile AlongGround(const std::vector<GroundPoint>& points, std::string& error);

    bool Empty() const { return at_.empty(); }
    /// The horizontal x and the elevation of the point at position p, given as the
    /// profile's points give theirs: linear on each segment, the end segments continued
    /// beyond the ends, the points' own values at the points. Needs a point.
    void Locate(double p, double& x, double& elevation) const;
    /// The points with horizontal x.
    std::vector<GroundPoint> Points() const;

  private:
    static GroundProfile Make(const std::vector<GroundPoint>& points, bool alongGround,
                              std::string& error);

    std::vector<double> at_;  // positions as given, increasing
    std::vector<double> x_;   // horizontal positions
    std::vector<double> z_;   // elevations
};

}  // namespace oskava
