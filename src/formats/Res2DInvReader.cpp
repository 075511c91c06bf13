// Res2DInv input files: a title, the unit spacing, the array type, then lines whose
// meaning depends on their place. Index-based arrays (types 1 to 7) give each datum as
// a position, a spacing a and for some types a factor n; the general array (type 11)
// gives every electrode's position and elevation. Numbers are separated by blanks, tabs
// or commas.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Fields.h"
#include "formats/ForeignFormat.h"
#include "formats/GroundProfile.h"
#include "formats/Readers.h"
#include "formats/SurveyBuilder.h"
#include "survey/CFormat.h"

namespace oskava {

namespace {

constexpr std::string_view kSeparators = " \t,\r\v\f";
constexpr int kGeneralArray = 11;

bool Mentions(const std::string& line, const char* word) {
    std::string lower(line);
    for (char& c : lower) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower.find(word) != std::string::npos;
}

const char* ArrayName(int64_t type) {
    switch (type) {
        case 8:
            return " (equatorial dipole-dipole)";
        case 10:
            return " (offset pole-dipole)";
        case 12:
        case 13:
            return " (cross-borehole)";
        case 15:
            return " (gradient)";
        default:
            return "";
    }
}

// The electrodes of an index-based datum, given as Res2DInv's tables give them from
// the position s of the leftmost electrode. False when n is 0 for a pole-dipole.
bool IndexPositions(int64_t type, double s, double a, double n, FileQuadrupole& q) {
    switch (type) {
        case 1:  // Wenner: C1 P1 P2 C2
            q = {s, s + 3 * a, s + a, s + 2 * a};
            return true;
        case 2:  // pole-pole: C1 P1
            q = {s, std::nullopt, s + a, std::nullopt};
            return true;
        case 3:  // dipole-dipole: C2 C1 P1 P2
            q = {s + a, s, s + a * (n + 1), s + a * (n + 2)};
            return true;
        case 4:  // Wenner beta: C2 C1 P1 P2
            q = {s + a, s, s + 2 * a, s + 3 * a};
            return true;
        case 5:  // Wenner gamma: C1 P1 C2 P2
            q = {s, s + 2 * a, s + a, s + 3 * a};
            return true;
        case 6:  // pole-dipole: C1 P1 P2 forward, P2 P1 C1 reverse
            if (n > 0) {
                q = {s, std::nullopt, s + n * a, s + a * (n + 1)};
            } else if (n < 0) {
                q = {s + a * (1 - n), std::nullopt, s + a, s};
            }
            return n != 0;
        default:  // 7 Wenner-Schlumberger: C1 P1 P2 C2
            q = {s, s + a * (2 * n + 1), s + n * a, s + a * (n + 1)};
            return true;
    }
}

// How far the leftmost electrode lies left of a mid-point x-location.
double MidPointShift(int64_t type, double a, double n) {
    switch (type) {
        case 2:
            return 0.5 * a;
        case 3:
            return a * (n / 2 + 1);
        case 7:
            return a * (n + 0.5);
        default:
            return 1.5 * a;
    }
}

class Res2DInvReader {
  public:
    Res2DInvReader(const std::string& path, bool ip, Progress& progress)
        : path_(path), ip_(ip), lines_(path), builder_(path, lines_, ip, progress) {}

    ImportedSurvey Read();

  private:
    bool Next(const std::string& what);
    bool NextCount(const std::string& what, int64_t& value);
    bool NextNumber(const std::string& what, double& value);
    bool NextIsText();
    bool ReadRemoteElectrodes();
    bool ReadIndexHeader();
    bool ReadGeneralHeader();
    bool ReadSections();
    bool ReadData();
    void ReadDatum();
    const char* GeneralElectrodes(FileQuadrupole& file, size_t& next);
    const char* IndexElectrodes(FileQuadrupole& file, size_t& next);
    const char* Number(size_t index, double& value);
    bool ReadTopography();
    void ReadTail();
    bool PlaceOnGround();

    const std::string path_;
    const bool ip_;
    FileLines lines_;
    SurveyBuilder builder_;
    std::string line_;
    std::vector<std::string_view> words_;
    std::string reason_;

    int64_t type_ = 0;
    int64_t count_ = 0;
    int64_t xLocation_ = 0;
    bool resistances_ = false;  // general array: the values are resistances
    bool ipSection_ = false;
    bool errors_ = false;  // each datum carries an error after its value
    bool remote_ = false;  // the file names positions of remote electrodes
    int64_t topographyFlag_ = 0;
    std::vector<GroundPoint> topography_;
    ElevationSet electrodeElevations_;  // of the general array's data lines
    std::string elevationConflict_;     // two of them at one position, unless a list rules
};

ImportedSurvey Res2DInvReader::Read() {
    double spacing = 0;
    if (lines_.NextNonBlank(line_)) {
        builder_.survey.title = std::string(Trimmed(line_));
    }
    if (builder_.survey.title.empty()) {
        builder_.survey.title = FallbackTitle(path_, FormatName(ForeignFormat::Res2DInv));
    }
    if (NextNumber("the unit electrode spacing", spacing) && NextCount("the array type", type_)) {
        const bool indexBased = type_ >= 1 && type_ <= 7;
        if (!indexBased && type_ != kGeneralArray) {
            builder_.Refuse(CFormat("array type %lld%s is not read; types 1 to 7 and 11 are.",
                                    static_cast<long long>(type_), ArrayName(type_)));
        } else if ((indexBased ? ReadIndexHeader() : ReadGeneralHeader()) && ReadSections() &&
                   ReadData() && ReadTopography()) {
            ReadTail();
            PlaceOnGround();
        }
    }
    return builder_.Finish();
}

bool Res2DInvReader::Next(const std::string& what) {
    return lines_.NextNonBlank(line_) || builder_.RefuseEnd(what);
}

bool Res2DInvReader::NextCount(const std::string& what, int64_t& value) {
    if (!Next(what)) {
        return false;
    }
    SplitWords(line_, kSeparators, words_);
    double number = 0;
    // "1.00" and "1" alike: some writers give the whole numbers of the header decimals.
    const bool whole = !words_.empty() && ParseNumber(words_[0], number) && number >= 0 &&
                       number == std::floor(number) && number < 1e15;
    value = whole ? static_cast<int64_t>(number) : 0;
    return whole || builder_.RefuseLine(what + " (a whole number)");
}

bool Res2DInvReader::NextNumber(const std::string& what, double& value) {
    if (!Next(what)) {
        return false;
    }
    SplitWords(line_, kSeparators, words_);
    return (!words_.empty() && ParseNumber(words_[0], value) && std::isfinite(value)) ||
           builder_.RefuseLine(what + " (a number)");
}

// Whether the next line is one of the format's free-text lines rather than numbers.
bool Res2DInvReader::NextIsText() {
    if (!lines_.NextNonBlank(line_)) {
        return false;
    }
    lines_.PutBack();
    return !IsNumberLine(line_, kSeparators);
}

// "Remote electrodes included", then the position of each remote electrode after the
// line that names it, and perhaps "Exact Geometric factor used". The positions are not
// needed: the remote electrodes become poles at infinity.
bool Res2DInvReader::ReadRemoteElectrodes() {
    if (!NextIsText() || !Mentions(line_, "remote")) {
        return true;
    }
    lines_.NextNonBlank(line_);
    remote_ = true;
    while (NextIsText()) {
        if (Mentions(line_, "remote electrode")) {
            double ignored = 0;
            lines_.NextNonBlank(line_);
            if (!NextNumber("the remote electrode's x, y and z", ignored)) {
                return false;
            }
        } else if (Mentions(line_, "geometric factor")) {
            lines_.NextNonBlank(line_);
        } else {
            break;
        }
    }
    return true;
}

bool Res2DInvReader::ReadIndexHeader() {
    if ((type_ == 2 || type_ == 6) && !ReadRemoteElectrodes()) {
        return false;
    }
    if (!NextCount("the number of data", count_) ||
        !NextCount("the x-location type (0 first electrode, 1 mid-point)", xLocation_)) {
        return false;
    }
    if (xLocation_ > 1) {
        return builder_.RefuseLine("the x-location type 0 (first electrode) or 1 (mid-point)");
    }
    if (type_ == 6 && xLocation_ == 1) {
        return builder_.Refuse(
            "pole-dipole data with mid-point x-locations are not read: programs place the "
            "mid-point of a pole-dipole differently.");
    }
    return true;
}

bool Res2DInvReader::ReadGeneralHeader() {
    double subArray = 0;
    int64_t measurement = 0;
    if (!NextNumber("the sub-array type", subArray)) {
        return false;
    }
    if (NextIsText()) {
        lines_.NextNonBlank(line_);  // "Type of measurement (0=app. resistivity,1=resistance)"
    }
    if (!NextCount("the type of measurement (0 apparent resistivity, 1 resistance)", measurement)) {
        return false;
    }
    if (measurement > 1) {
        return builder_.RefuseLine(
            "the type of measurement 0 (apparent resistivity) or 1 (resistance)");
    }
    resistances_ = measurement == 1;
    if (!NextCount("the number of data", count_) ||
        !NextCount("the x-location type (0, 1 or 2)", xLocation_)) {
        return false;
    }
    return xLocation_ <= 2 ||
           builder_.RefuseLine("the x-location type 0 or 1 (horizontal) or 2 (along the ground)");
}

// The IP flag with its three lines, then perhaps the error estimates.
bool Res2DInvReader::ReadSections() {
    if (count_ == 0) {
        return builder_.Refuse("its data count is 0: the file holds no data.");
    }
    int64_t flag = 0;
    if (!NextCount("the IP flag (0 or 1)", flag)) {
        return false;
    }
    if (flag > 1) {
        return builder_.RefuseLine("the IP flag 0 or 1");
    }
    ipSection_ = flag == 1;
    for (int i = 0; ipSection_ && i < 3; ++i) {
        if (!Next("the IP section (quantity, unit and timing)")) {
            return false;
        }
    }
    if (ip_ && !ipSection_) {
        return builder_.Refuse("the file holds no IP values (its IP flag is 0).");
    }
    if (!NextIsText() || !Mentions(line_, "error")) {
        return true;
    }
    lines_.NextNonBlank(line_);
    if (NextIsText()) {
        lines_.NextNonBlank(line_);  // "Type of error estimate (0=same unit as data)"
    }
    int64_t errorType = 0;
    if (!NextCount("the type of error estimate", errorType)) {
        return false;
    }
    errors_ = true;
    if (errorType == 0) {
        builder_.SetErrorColumn();
    } else {
        builder_.survey.remarks.push_back(
            CFormat("The error estimates of %s are of type %lld, which is not read: no standard "
                    "deviations are imported.",
                    path_.c_str(), static_cast<long long>(errorType)));
    }
    return true;
}

bool Res2DInvReader::ReadData() {
    for (int64_t read = 0; read < count_; ++read) {
        if (!lines_.NextNonBlank(line_)) {
            return builder_.RefuseEnd(CFormat("the %lld data lines its count promises (%lld found)",
                                              static_cast<long long>(count_),
                                              static_cast<long long>(read)));
        }
        ReadDatum();
    }
    if (remote_) {
        builder_.survey.remarks.push_back(
            CFormat("%zu data had their remote electrodes moved to infinity; their apparent "
                    "resistivities stay as the file gives them.",
                    builder_.survey.data.size()));
    }
    return true;
}

const char* Res2DInvReader::Number(size_t index, double& value) {
    if (index >= words_.size()) {
        return "too few numbers";
    }
    if (!ParseNumber(words_[index], value)) {
        reason_ = "not a number: " + std::string(words_[index]);
        return reason_.c_str();
    }
    if (!std::isfinite(value)) {
        reason_ = "not a finite number: " + std::string(words_[index]);
        return reason_.c_str();
    }
    return nullptr;
}

// The electrodes of a general-array line: their number k, then k pairs of x and
// elevation, C1 C2 P1 P2, or C1 P1 P2 without C2, or C1 P1 without C2 and P2. Returns
// why the line gives no datum, or null; next: the place of the value.
const char* Res2DInvReader::GeneralElectrodes(FileQuadrupole& file, size_t& next) {
    double count = 0;
    if (const char* reason = Number(0, count)) {
        return reason;
    }
    if (count != 2 && count != 3 && count != 4) {
        reason_ = "a line of " + std::string(words_[0]) + " electrodes";
        return reason_.c_str();
    }
    const size_t k = static_cast<size_t>(count);
    std::optional<double>* const slots[3][4] = {{&file.a, &file.m, nullptr, nullptr},
                                                {&file.a, &file.m, &file.n, nullptr},
                                                {&file.a, &file.b, &file.m, &file.n}};
    double x[4] = {};
    double elevation[4] = {};
    for (size_t e = 0; e < k; ++e) {
        const char* reason = Number(1 + 2 * e, x[e]);
        if (reason != nullptr || (reason = Number(2 + 2 * e, elevation[e])) != nullptr) {
            return reason;
        }
        *slots[k - 2][e] = x[e];
    }
    double existing = 0;
    for (size_t e = 0; e < k; ++e) {
        if (!electrodeElevations_.Add(x[e], elevation[e], existing) && elevationConflict_.empty()) {
            elevationConflict_ = ElevationConflict(x[e], existing, elevation[e]);
        }
    }
    next = 1 + 2 * k;
    return nullptr;
}

// The electrodes of an index-based line: x, the spacing a and, for the arrays that
// have one, the factor n. Returns why the line gives no datum, or null.
const char* Res2DInvReader::IndexElectrodes(FileQuadrupole& file, size_t& next) {
    const bool withN = type_ == 3 || type_ == 6 || type_ == 7;
    double x = 0, a = 0, n = 0;
    const char* reason = Number(0, x);
    reason = reason ? reason : Number(1, a);
    reason = reason ? reason : withN ? Number(2, n) : nullptr;
    if (reason != nullptr) {
        return reason;
    }
    const double s = xLocation_ == 1 ? x - MidPointShift(type_, a, n) : x;
    next = withN ? 3 : 2;
    return IndexPositions(type_, s, a, n, file) ? nullptr : "n is 0";
}

void Res2DInvReader::ReadDatum() {
    SplitWords(line_, kSeparators, words_);
    const int64_t line = lines_.LineNumber();
    FileQuadrupole file;
    size_t next = 0;
    const char* reason =
        type_ == kGeneralArray ? GeneralElectrodes(file, next) : IndexElectrodes(file, next);
    Quadrupole placed;
    reason = reason ? reason : PlaceQuadrupole(file, placed);
    double value = 0;
    double stdDev = 0;
    const size_t errorAt = next + 1;
    const size_t ipAt = next + (errors_ ? 2 : 1);
    // A reason may point into reason_, which the next Number rewrites: an error column
    // is read only after its datum was.
    double error = 0;
    if (reason == nullptr && ip_) {
        reason = Number(ipAt, value);
        if (reason == nullptr && errors_ && Number(ipAt + 1, error) == nullptr) {
            stdDev = std::fabs(error);
        }
    } else if (reason == nullptr) {
        reason = Number(next, value);
        const std::optional<double> perRhoa =
            resistances_ ? std::optional<double>(1) : FlatResistancePerRhoa(file);
        reason = reason ? reason : perRhoa ? nullptr : "the flat geometric factor is 0 or infinite";
        if (reason == nullptr) {
            value *= *perRhoa * placed.dcSign;
            if (errors_ && Number(errorAt, error) == nullptr) {
                stdDev = error * std::fabs(*perRhoa);
            }
        }
    }
    if (reason != nullptr) {
        builder_.Skip(line, reason);
        return;
    }
    builder_.Add(line, placed, value, stdDev);
}

// After the data: perhaps "Topography in separate list", the topography flag, for flags
// 1 and 2 the points and the number of the first electrode; then lines of zeros.
bool Res2DInvReader::ReadTopography() {
    if (NextIsText() && Mentions(line_, "topograph")) {
        lines_.NextNonBlank(line_);
    }
    if (!lines_.NextNonBlank(line_)) {
        return true;
    }
    SplitWords(line_, kSeparators, words_);
    if (words_.size() != 1 || !ParseCount(words_[0], topographyFlag_)) {
        lines_.PutBack();
        topographyFlag_ = 0;
        return true;
    }
    if (topographyFlag_ > 2) {
        return builder_.RefuseLine(
            "the topography flag 0, 1 (horizontal x) or 2 (distances along the ground)");
    }
    if (topographyFlag_ == 0) {
        return true;
    }
    int64_t points = 0;
    if (!NextCount("the number of topography points", points)) {
        return false;
    }
    for (int64_t i = 0; i < points; ++i) {
        GroundPoint point;
        if (!lines_.NextNonBlank(line_)) {
            return builder_.RefuseEnd(CFormat("the %lld topography points its count promises",
                                              static_cast<long long>(points)));
        }
        SplitWords(line_, kSeparators, words_);
        if (Number(0, point.x) != nullptr || Number(1, point.elevation) != nullptr) {
            return builder_.RefuseLine("the x and elevation of a topography point");
        }
        topography_.push_back(point);
    }
    if (lines_.NextNonBlank(line_) && !IsNumberLine(line_, kSeparators)) {
        lines_.PutBack();  // the number of the first electrode is missing
    }
    return true;
}

// Lines of zeros close the file; anything else after them is not part of the survey.
void Res2DInvReader::ReadTail() {
    while (lines_.NextNonBlank(line_)) {
        SplitWords(line_, kSeparators, words_);
        double value = 0;
        for (const std::string_view word : words_) {
            if (!ParseNumber(word, value) || value != 0) {
                builder_.survey.remarks.push_back(
                    CFormat("%s goes on after the survey at line %lld; that part is not read.",
                            path_.c_str(), static_cast<long long>(lines_.LineNumber())));
                return;
            }
        }
    }
}

// Turns the positions as the file gives them into horizontal positions with
// elevations: through the topography list when there is one, else through the general
// array's own electrodes; an index-based file without a list lies on level ground.
bool Res2DInvReader::PlaceOnGround() {
    const bool list = topographyFlag_ > 0 && !topography_.empty();
    if (!list && !elevationConflict_.empty()) {
        return builder_.Refuse(elevationConflict_);
    }
    const std::vector<GroundPoint> points = list ? topography_ : electrodeElevations_.Ground();
    if (points.empty()) {
        return true;
    }
    const bool alongGround = list ? topographyFlag_ == 2 : xLocation_ == 2;
    std::string error;
    const GroundProfile profile = alongGround ? GroundProfile::AlongGround(points, error)
                                              : GroundProfile::Horizontal(points, error);
    if (profile.Empty()) {
        return builder_.Refuse(error);
    }
    double elevation = 0;
    for (ImportedDatum& datum : builder_.survey.data) {
        for (double* x : {&datum.xa, &datum.xb, &datum.xm, &datum.xn}) {
            profile.Locate(*x, *x, elevation);
            if (!std::isfinite(*x) || !std::isfinite(elevation)) {
                return builder_.Refuse("the electrodes lie beyond any number on the ground given.");
            }
            if (!builder_.AddElevation(*x, elevation)) {
                return false;
            }
        }
    }
    if (list) {
        for (const GroundPoint& point : profile.Points()) {
            if (!builder_.AddElevation(point.x, point.elevation)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

ImportedSurvey ReadRes2DInv(const std::string& path, bool ip, Progress& progress) {
    Res2DInvReader reader(path, ip, progress);
    return reader.Read();
}

}  // namespace oskava
