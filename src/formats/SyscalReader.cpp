// Text exports of a Syscal Pro's readings by Prosys II and III: a header line of column
// names, then one line per reading. Columns are separated by tabs, semicolons (with
// decimal commas), commas or, in Prosys II's spreadsheet text, blanks, where the array
// name that opens each line may hold blanks itself.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Fields.h"
#include "formats/ForeignFormat.h"
#include "formats/Readers.h"
#include "formats/SurveyBuilder.h"
#include "survey/CFormat.h"

namespace oskava {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
// Field software writes a remote ("infinite") electrode at +-99999 or +-999999 m.
constexpr double kRemote = 99999;

// The names of a quantity's columns, the first one present in the header winning.
using Names = std::vector<std::string_view>;

// The columns of the four electrodes A, B, M and N for one kind of coordinate.
struct Electrodes {
    int column[4] = {-1, -1, -1, -1};
    bool present() const { return column[0] >= 0; }
};

class SyscalReader {
  public:
    SyscalReader(const std::string& path, bool ip, Progress& progress)
        : path_(path), ip_(ip), lines_(path), builder_(path, lines_, ip, progress) {}

    ImportedSurvey Read();

  private:
    bool ReadHeader();
    int Find(const Names& names) const;
    Electrodes FindElectrodes(const char* coordinate) const;
    void Split(const std::string& line);
    const char* Number(int column, const char* what, double& value);
    bool CheckGeometry(const double (&x)[4], const bool (&present)[4]);
    void ReadReading();

    const std::string path_;
    const bool ip_;
    FileLines lines_;
    SurveyBuilder builder_;
    std::string line_;

    char separator_ = ' ';  // ' ': runs of blanks
    bool decimalComma_ = false;
    std::vector<std::string> header_;
    int arrayColumn_ = -1;  // the array's name, which may hold blanks in blank-separated text
    std::vector<std::string_view> fields_;
    std::string reason_;

    Electrodes x_, y_, z_, depth_;
    int voltage_ = -1, current_ = -1, rho_ = -1, k_ = -1, deviation_ = -1;
    int chargeability_ = -1, chargeabilityDeviation_ = -1;
    bool acrossKnown_ = false;
    double across_ = 0;  // the y of the readings so far
};

ImportedSurvey SyscalReader::Read() {
    builder_.survey.title = FallbackTitle(path_, FormatName(ForeignFormat::Syscal));
    if (ReadHeader()) {
        bool anyReading = false;
        while (builder_.survey.error.empty() && lines_.NextNonBlank(line_)) {
            anyReading = true;
            ReadReading();
        }
        if (!anyReading) {
            builder_.Refuse("the file holds a header line and no readings.");
        }
    }
    return builder_.Finish();
}

bool SyscalReader::ReadHeader() {
    if (!lines_.NextNonBlank(line_) || line_.find("El-array") == std::string::npos) {
        return builder_.Refuse(
            "no header line with the column El-array: not a Syscal text export.");
    }
    separator_ = line_.find('\t') != std::string::npos  ? '\t'
                 : line_.find(';') != std::string::npos ? ';'
                 : line_.find(',') != std::string::npos ? ','
                                                        : ' ';
    decimalComma_ = separator_ == ';';
    if (separator_ == ' ') {
        SplitWords(line_, kBlanks, fields_);
    } else {
        SplitColumns(line_, separator_, fields_);
    }
    header_.assign(fields_.begin(), fields_.end());
    arrayColumn_ = Find({"El-array"});
    // Global positions are those along the whole line of a roll-along survey.
    x_ = FindElectrodes("x");
    y_ = FindElectrodes("y");
    z_ = FindElectrodes("z");
    if (!x_.present()) {
        for (int e = 0; e < 4; ++e) {
            x_.column[e] = Find({CFormat("Spa.%d", e + 1)});
        }
    }
    for (int e = 0; e < 4; ++e) {
        if (x_.column[e] < 0) {
            return builder_.Refuse("the header names no position of the electrodes A, B, M and N.");
        }
    }
    depth_ = Electrodes();
    for (int e = 0; e < 4; ++e) {
        depth_.column[e] = Find({CFormat("Depth %c (m)", "ABMN"[e])});
    }
    voltage_ = Find({"VMN (mV)", "Vp"});
    current_ = Find({"IAB (mA)", "In"});
    rho_ = Find({"Rho (Ohm.m)", "Rho"});
    k_ = Find({"Coef. k (m)"});
    deviation_ = Find({"Dev. Rho (%)", "Dev."});
    chargeability_ = Find({"M (mV/V)", "M"});
    chargeabilityDeviation_ = Find({"Dev. M"});
    if (ip_ && chargeability_ < 0) {
        return builder_.Refuse("the file holds no IP values (no column M).");
    }
    if (!ip_ && rho_ < 0 && (voltage_ < 0 || current_ < 0)) {
        return builder_.Refuse("the file holds neither Vp and In nor Rho.");
    }
    if (ip_ ? chargeabilityDeviation_ >= 0 : deviation_ >= 0) {
        builder_.SetErrorColumn();
    }
    return true;
}

int SyscalReader::Find(const Names& names) const {
    for (const std::string_view name : names) {
        for (size_t i = 0; i < header_.size(); ++i) {
            if (header_[i] == name) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

// The columns of one coordinate of the four electrodes, "Global xA (m)" before "xA (m)"
// before "xA(m)"; all four from one of these forms or none.
Electrodes SyscalReader::FindElectrodes(const char* coordinate) const {
    for (const char* form : {"Global %s%c (m)", "%s%c (m)", "%s%c(m)"}) {
        Electrodes found;
        for (int e = 0; e < 4 && (e == 0 || found.column[e - 1] >= 0); ++e) {
            found.column[e] = Find({CFormat(form, coordinate, "ABMN"[e])});
        }
        if (found.column[3] >= 0) {
            return found;
        }
    }
    return Electrodes();
}

void SyscalReader::Split(const std::string& line) {
    if (separator_ != ' ') {
        SplitColumns(line, separator_, fields_);
        return;
    }
    // The array's name is every word before the first number; the columns after it
    // line up with the header.
    SplitWords(line, kBlanks, fields_);
    double ignored = 0;
    size_t first = 0;
    while (first < fields_.size() && !ParseNumber(fields_[first], ignored)) {
        ++first;
    }
    const size_t nameWords = first;
    const size_t named = static_cast<size_t>(arrayColumn_ + 1);
    if (arrayColumn_ >= 0 && nameWords != named) {
        std::vector<std::string_view> aligned(
            fields_.begin(), fields_.begin() + static_cast<long>(std::min(named, nameWords)));
        aligned.resize(named);
        aligned.insert(aligned.end(), fields_.begin() + static_cast<long>(nameWords),
                       fields_.end());
        fields_ = std::move(aligned);
    }
}

const char* SyscalReader::Number(int column, const char* what, double& value) {
    if (column < 0 || static_cast<size_t>(column) >= fields_.size() ||
        fields_[static_cast<size_t>(column)].empty()) {
        reason_ = std::string(what) + " is missing";
        return reason_.c_str();
    }
    const std::string_view field = fields_[static_cast<size_t>(column)];
    if (!ParseNumber(field, value, decimalComma_) || !std::isfinite(value)) {
        reason_ = std::string(what) + " is not a number: " + std::string(field);
        return reason_.c_str();
    }
    return nullptr;
}

// The electrodes of every reading must lie on one line, on the ground surface.
bool SyscalReader::CheckGeometry(const double (&x)[4], const bool (&present)[4]) {
    for (int e = 0; e < 4; ++e) {
        if (!present[e]) {
            continue;
        }
        double value = 0;
        if (y_.present() && Number(y_.column[e], "y", value) == nullptr) {
            if (acrossKnown_ && value != across_) {
                return builder_.RefuseThreeDimensional(across_, value);
            }
            across_ = value;
            acrossKnown_ = true;
        }
        if (depth_.present() && Number(depth_.column[e], "depth", value) == nullptr && value != 0) {
            return builder_.Refuse(CFormat(
                "line %lld: electrode %c lies %s m below the surface.\n"
                "Only surveys on the ground surface are read.",
                static_cast<long long>(lines_.LineNumber()), "ABMN"[e], Shown(value).c_str()));
        }
        if (z_.present() && Number(z_.column[e], "z", value) == nullptr &&
            !builder_.AddElevation(x[e], value)) {
            return false;
        }
    }
    return true;
}

void SyscalReader::ReadReading() {
    Split(line_);
    const int64_t line = lines_.LineNumber();
    double x[4] = {};
    bool present[4] = {};
    for (int e = 0; e < 4; ++e) {
        const char what[] = {"ABMN"[e], '\0'};
        if (const char* reason =
                Number(x_.column[e], CFormat("the position of %s", what).c_str(), x[e])) {
            builder_.Skip(line, reason);
            return;
        }
        present[e] = std::fabs(x[e]) < kRemote;
    }
    if (!CheckGeometry(x, present)) {
        return;
    }
    FileQuadrupole file;
    std::optional<double>* slots[4] = {&file.a, &file.b, &file.m, &file.n};
    for (int e = 0; e < 4; ++e) {
        if (present[e]) {
            *slots[e] = x[e];
        }
    }
    Quadrupole placed;
    const char* reason = PlaceQuadrupole(file, placed);
    double value = 0;
    double stdDev = 0;
    if (reason == nullptr && ip_) {
        reason = Number(chargeability_, "M", value);
        if (reason == nullptr && Number(chargeabilityDeviation_, "Dev. M", stdDev) == nullptr) {
            stdDev = std::fabs(stdDev);
        }
    } else if (reason == nullptr) {
        double first = 0;
        double second = 0;
        if (voltage_ >= 0 && current_ >= 0) {
            reason = Number(voltage_, "Vp", first);
            reason = reason ? reason : Number(current_, "In", second);
            reason = reason ? reason : second == 0 ? "In is 0" : nullptr;
            value = first / second;
        } else if (k_ >= 0) {
            reason = Number(rho_, "Rho", first);
            reason = reason ? reason : Number(k_, "k", second);
            reason = reason ? reason : second == 0 ? "k is 0" : nullptr;
            value = first / second;
        } else {
            reason = Number(rho_, "Rho", first);
            const std::optional<double> perRhoa = FlatResistancePerRhoa(file);
            reason = reason    ? reason
                     : perRhoa ? nullptr
                               : "the flat geometric factor is 0 or infinite";
            value = perRhoa ? first * *perRhoa : 0;
        }
        if (reason == nullptr && Number(deviation_, "Dev.", stdDev) == nullptr) {
            stdDev = stdDev / 100 * std::fabs(value);
        }
        value *= placed.dcSign;
    }
    if (reason != nullptr) {
        builder_.Skip(line, reason);
        return;
    }
    builder_.Add(line, placed, value, stdDev);
}

}  // namespace

ImportedSurvey ReadSyscal(const std::string& path, bool ip, Progress& progress) {
    SyscalReader reader(path, ip, progress);
    return reader.Read();
}

}  // namespace oskava
