#include "formats/GroundProfile.h"

#include <algorithm>
#include <cmath>

#include "formats/SurveyBuilder.h"

namespace oskava {

GroundProfile GroundProfile::Horizontal(const std::vector<GroundPoint>& points,
                                        std::string& error) {
    return Make(points, false, error);
}

GroundProfile GroundProfile::AlongGround(const std::vector<GroundPoint>& points,
                                         std::string& error) {
    return Make(points, true, error);
}

GroundProfile GroundProfile::Make(const std::vector<GroundPoint>& points, bool alongGround,
                                  std::string& error) {
    GroundProfile profile;
    for (const GroundPoint& point : points) {
        if (!profile.at_.empty()) {
            const double ds = point.x - profile.at_.back();
            const double dz = point.elevation - profile.z_.back();
            if (ds == 0 && dz == 0) {
                continue;
            }
            if (!(ds > 0)) {
                error = "the topography's positions do not increase at x = " + Shown(point.x) + ".";
                return GroundProfile();
            }
            if (alongGround && !(std::fabs(dz) < ds)) {
                error = "the ground rises by " + Shown(std::fabs(dz)) + " m over " + Shown(ds) +
                        " m along it at x = " + Shown(point.x) + ".";
                return GroundProfile();
            }
            const double x =
                alongGround ? profile.x_.back() + std::sqrt(ds * ds - dz * dz) : point.x;
            if (!std::isfinite(x)) {
                error =
                    "the topography reaches beyond any sensible position at x = " + Shown(point.x) +
                    ".";
                return GroundProfile();
            }
            profile.x_.push_back(x);
        } else {
            profile.x_.push_back(point.x);
        }
        profile.at_.push_back(point.x);
        profile.z_.push_back(point.elevation);
    }
    return profile;
}

void GroundProfile::Locate(double p, double& x, double& elevation) const {
    const size_t count = at_.size();
    if (count == 1) {
        x = x_[0] + (p - at_[0]);
        elevation = z_[0];
        return;
    }
    // The segment k-1..k: the first k from 1 on with p <= at[k], or the last one.
    const size_t k =
        static_cast<size_t>(std::lower_bound(at_.begin() + 1, at_.end() - 1, p) - at_.begin());
    if (p == at_[k] || p == at_[k - 1]) {
        const size_t i = p == at_[k] ? k : k - 1;
        x = x_[i];
        elevation = z_[i];
        return;
    }
    const double t = (p - at_[k - 1]) / (at_[k] - at_[k - 1]);
    x = x_[k - 1] + t * (x_[k] - x_[k - 1]);
    elevation = z_[k - 1] + t * (z_[k] - z_[k - 1]);
}

std::vector<GroundPoint> GroundProfile::Points() const {
    std::vector<GroundPoint> points;
    for (size_t i = 0; i < x_.size(); ++i) {
        points.push_back({x_[i], z_[i]});
    }
    return points;
}

}  // namespace oskava
