#include "survey/Topography.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "survey/ExactNumber.h"
#include "survey/Prompts.h"
#include "survey/TextFile.h"

namespace oskava {

double InterpolateSurfaceDepth(const std::vector<double>& topoX,
                               const std::vector<double>& topoDepth, double x) {
    // The first k from 1 on with x <= X[k], or the last point when x lies beyond it.
    const size_t last = topoX.size() - 1;
    const size_t k = static_cast<size_t>(
        std::lower_bound(topoX.begin() + 1, topoX.begin() + last, x) - topoX.begin());
    return topoDepth[k - 1] +
           (topoDepth[k] - topoDepth[k - 1]) / (topoX[k] - topoX[k - 1]) * (x - topoX[k - 1]);
}

namespace {

class Tokens {
  public:
    explicit Tokens(const std::string& text) : stream_(text) {}
    bool NextInteger(long& value) {
        std::string token;
        if (!(stream_ >> token)) {
            return false;
        }
        char* end = nullptr;
        errno = 0;
        value = std::strtol(token.c_str(), &end, 10);
        return errno == 0 && *end == '\0';
    }
    bool NextReal(double& value) {
        std::string token;
        if (!(stream_ >> token)) {
            return false;
        }
        char* end = nullptr;
        value = std::strtod(token.c_str(), &end);
        return *end == '\0' && std::isfinite(value);
    }

  private:
    std::istringstream stream_;
};

}  // namespace

TopographyProfile ParseTopography(const std::string& text) {
    TopographyProfile profile;
    Tokens tokens(text);
    long count = 0;
    double reference = 0;
    if (!tokens.NextInteger(count) || !tokens.NextReal(reference)) {
        profile.error = "Expecting the number of points and the reference elevation.";
        return profile;
    }
    if (count < 2) {
        profile.error = "The profile needs at least 2 points.";
        return profile;
    }
    profile.reference = reference;
    // The count is not trusted for the allocation: the points are taken as they come.
    for (long i = 0; i < count; ++i) {
        double x = 0;
        double elevation = 0;
        if (!tokens.NextReal(x) || !tokens.NextReal(elevation)) {
            profile.error = CFormat("Expecting x and elevation of point %ld of %ld.", i + 1, count);
            break;
        }
        if (i > 0 && !(x > profile.x.back())) {
            profile.error = CFormat(
                "Positions should increase: point %ld (x = %g) does not lie right of the "
                "point before it.",
                i + 1, x);
            break;
        }
        // Two finite numbers near the largest double can differ by more than one.
        const double depth = reference - elevation;
        if (!std::isfinite(depth)) {
            profile.error = CFormat(
                "The elevation of point %ld lies too far from the reference elevation.", i + 1);
            break;
        }
        profile.x.push_back(x);
        profile.depth.push_back(depth);
    }
    if (!profile.error.empty()) {
        profile.x.clear();
        profile.depth.clear();
    }
    return profile;
}

std::string TopographyFileText(double reference, const std::vector<double>& x,
                               const std::vector<double>& elevation) {
    std::string text = std::to_string(x.size()) + "\n";
    AppendShortest(text, reference);
    text += '\n';
    for (size_t i = 0; i < x.size(); ++i) {
        AppendShortest(text, x[i]);
        text += ' ';
        AppendShortest(text, elevation[i]);
        text += '\n';
    }
    return text;
}

std::string TopographyWrittenNote(const std::string& topographyPath,
                                  const std::string& observationPath) {
    return "Topography file written: " + topographyPath +
           "\nIt holds the electrodes' elevations: open it as the topography of " +
           observationPath + ".";
}

bool CDatDoc::ReadTopography(const std::string& name) {
    topoX.clear();
    topoDepth.clear();
    if (name.empty()) {
        hasTopography = false;
        return true;
    }
    hasTopography = true;
    TextFile file(name);
    if (!file.IsOpen()) {
        prompts().Message("Topography file: " + name + " not found", MessageKind::Warning);
        return false;
    }
    // Line ends carry no meaning in the profile: the lines are joined as they are.
    std::string text;
    std::string line;
    while (file.ReadLine(line)) {
        text += line;
        text += '\n';
    }
    TopographyProfile profile = ParseTopography(text);
    if (!profile.error.empty()) {
        prompts().Message("Error reading topography file: \n" + name + "\n" + profile.error,
                          MessageKind::Warning);
        return false;
    }
    topoX = std::move(profile.x);
    topoDepth = std::move(profile.depth);
    topoReference = profile.reference;
    return true;
}

double CDatDoc::InterpolateSurfaceDepth(double x) const {
    return oskava::InterpolateSurfaceDepth(topoX, topoDepth, x);
}

}  // namespace oskava
