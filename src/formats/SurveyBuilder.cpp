#include "formats/SurveyBuilder.h"

#include <algorithm>
#include <cmath>

#include "survey/CFormat.h"

namespace oskava {

namespace {

// The skipped lines named one by one; beyond these a count says how many more.
constexpr int64_t kSkippedNamed = 10;

// A quoted line is cut where nobody reads on.
std::string Quoted(const std::string& line) {
    constexpr size_t kLongest = 200;
    return line.size() > kLongest ? line.substr(0, kLongest) + " ..." : line;
}

}  // namespace

std::string Shown(double value) {
    return CFormat("%.10g", value);
}

bool ElevationSet::Add(double x, double elevation, double& existing) {
    const auto [at, added] = elevations_.emplace(x, elevation);
    existing = at->second;
    return added || at->second == elevation;
}

std::vector<GroundPoint> ElevationSet::Ground() const {
    std::vector<GroundPoint> ground;
    ground.reserve(elevations_.size());
    for (const auto& [x, elevation] : elevations_) {
        ground.push_back({x, elevation});
    }
    const bool level = std::all_of(ground.begin(), ground.end(), [&](const GroundPoint& p) {
        return p.elevation == ground.front().elevation;
    });
    if (level) {
        return {};
    }
    std::sort(ground.begin(), ground.end(),
              [](const GroundPoint& p, const GroundPoint& q) { return p.x < q.x; });
    return ground;
}

SurveyBuilder::SurveyBuilder(const std::string& path, FileLines& lines, bool ip, Progress& progress)
    : path_(path), lines_(lines), ip_(ip), progress_(progress) {}

void SurveyBuilder::Add(int64_t line, const Quadrupole& electrodes, double value, double stdDev) {
    if (!std::isfinite(value)) {
        Skip(line, "the datum is beyond any number");
        return;
    }
    std::vector<ImportedDatum>& data = survey.data;
    // Once the first data are in, room for as many as the rest of the file holds at the
    // same number of bytes each, so that a large survey is not copied as it grows.
    constexpr size_t kSample = 1024;
    if (data.size() == kSample && lines_.BytesRead() > 0 && lines_.Size() > lines_.BytesRead()) {
        const double perDatum = static_cast<double>(lines_.BytesRead()) / kSample;
        data.reserve(kSample + static_cast<size_t>(
                                   1.02 * static_cast<double>(lines_.Size() - lines_.BytesRead()) /
                                   perDatum));
    }
    const bool usable = stdDev > 0 && std::isfinite(stdDev);
    data.push_back(
        {electrodes.xa, electrodes.xb, electrodes.xm, electrodes.xn, value, usable ? stdDev : 0});
    survey.dataWithoutError += usable ? 0 : 1;
    anyIpValue_ = anyIpValue_ || value != 0;
    if (data.size() % 4096 == 0) {
        progress_.Tick();
    }
}

void SurveyBuilder::Skip(int64_t line, const std::string& reason) {
    if (++skippedCount_ <= kSkippedNamed) {
        skippedList_ += CFormat("\nline %lld: ", static_cast<long long>(line)) + reason;
    }
}

bool SurveyBuilder::AddElevation(double x, double elevation) {
    double existing = 0;
    if (elevations.Add(x, elevation, existing)) {
        return true;
    }
    return Refuse(ElevationConflict(x, existing, elevation));
}

std::string ElevationConflict(double x, double elevation1, double elevation2) {
    return "two electrodes at x = " + Shown(x) + " have the elevations " + Shown(elevation1) +
           " and " + Shown(elevation2) + ".\nOnly surveys on the ground surface are read.";
}

bool SurveyBuilder::Refuse(const std::string& message) {
    if (survey.error.empty()) {
        survey.error = path_ + ": " + message;
    }
    return false;
}

bool SurveyBuilder::RefuseLine(const std::string& expected) {
    return Refuse(CFormat("line %lld: expected ", static_cast<long long>(lines_.LineNumber())) +
                  expected + ":\n" + Quoted(lines_.Current()));
}

bool SurveyBuilder::RefuseEnd(const std::string& missing) {
    return Refuse("the file ends before " + missing + ".");
}

bool SurveyBuilder::RefuseThreeDimensional(double y1, double y2) {
    return Refuse("the electrodes are not on one line (y = " + Shown(y1) + " and y = " + Shown(y2) +
                  ").\nThree-dimensional surveys are not read.");
}

ImportedSurvey SurveyBuilder::Finish() {
    if (!survey.error.empty()) {
        return Take();
    }
    // The reasons, one line each; beyond the first few, how many more there are.
    std::string reasons = skippedList_;
    if (skippedCount_ > kSkippedNamed) {
        reasons +=
            CFormat("\nand %lld more.", static_cast<long long>(skippedCount_ - kSkippedNamed));
    }
    if (survey.data.empty()) {
        Refuse(skippedCount_ > 0 ? CFormat("no line gives a datum (%lld skipped):",
                                           static_cast<long long>(skippedCount_)) +
                                       reasons
                                 : "the file holds no data.");
        return Take();
    }
    if (ip_ && !anyIpValue_) {
        Refuse("its IP values are 0 in every line: the file holds no IP data.");
        return Take();
    }
    if (skippedCount_ > 0) {
        survey.skipped =
            CFormat("%zu data read, %lld skipped (lines of %s that give no datum):",
                    survey.data.size(), static_cast<long long>(skippedCount_), path_.c_str()) +
            reasons;
        survey.skippedLines = skippedCount_;
    }
    survey.hasStdDev = errorColumn_ && survey.dataWithoutError == 0;
    if (!errorColumn_) {
        survey.dataWithoutError = 0;
    }
    if (!survey.hasStdDev) {
        for (ImportedDatum& datum : survey.data) {
            datum.stdDev = 0;
        }
    }
    survey.ground = elevations.Ground();
    const auto [lowest, highest] = std::minmax_element(
        survey.ground.begin(), survey.ground.end(),
        [](const GroundPoint& p, const GroundPoint& q) { return p.elevation < q.elevation; });
    // Depths below the highest electrode must be numbers too.
    if (!survey.ground.empty() && !std::isfinite(highest->elevation - lowest->elevation)) {
        Refuse("the electrodes' elevations lie too far apart for a ground surface.");
    }
    return Take();
}

double HighestElevation(const std::vector<GroundPoint>& ground) {
    double highest = ground.empty() ? 0 : ground.front().elevation;
    for (const GroundPoint& point : ground) {
        highest = std::max(highest, point.elevation);
    }
    return highest;
}

std::string ImportInformation(const ImportedSurvey& survey, const std::string& outcome) {
    std::string text = survey.skipped;
    auto paragraph = [&text](const std::string& more) {
        text += text.empty() ? more : "\n" + more;
    };
    if (survey.dataWithoutError > 0) {
        paragraph(CFormat("%zu %s no usable error (0 or missing); ", survey.dataWithoutError,
                          survey.dataWithoutError == 1 ? "datum has" : "data have") +
                  outcome + " without standard deviations.");
    }
    for (const std::string& remark : survey.remarks) {
        paragraph(remark);
    }
    return text;
}

}  // namespace oskava
