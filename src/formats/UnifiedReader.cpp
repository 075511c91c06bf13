// The unified data format of pyGIMLi and BERT: an electrode list, then a data table
// whose columns the file names. Electrodes are numbered from 1 in the list; 0 stands
// for an electrode that is not there.
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

enum class Quantity {
    None,
    A,
    B,
    M,
    N,
    Resistance,
    Rhoa,
    Voltage,
    Current,
    Error,
    K,
    Ip,
    IpError,
};

// A name as the tables match it: its first letter in lower case ("R" is "r").
std::string Matched(std::string_view name) {
    std::string matched(name);
    if (!matched.empty() && matched[0] >= 'A' && matched[0] <= 'Z') {
        matched[0] = static_cast<char>(matched[0] - 'A' + 'a');
    }
    return matched;
}

// The name without its unit: "u" of "u/mV", "rhoa" of "rhoa(Ohmm)".
std::string_view BaseName(std::string_view name) {
    return name.substr(0, name.find_first_of("/("));
}

// Units in a name scale its column to volts, amperes and fractions.
double ScaleOf(std::string_view name) {
    if (name.find("mV") != std::string_view::npos || name.find("mA") != std::string_view::npos) {
        return 1e-3;
    }
    return name.find('%') != std::string_view::npos ? 1e-2 : 1;
}

Quantity QuantityOf(const std::string& name) {
    if (name == "u/i") {
        return Quantity::Resistance;
    }
    static const std::pair<std::string_view, Quantity> kNames[] = {
        {"a", Quantity::A},
        {"c1", Quantity::A},
        {"b", Quantity::B},
        {"c2", Quantity::B},
        {"m", Quantity::M},
        {"p1", Quantity::M},
        {"n", Quantity::N},
        {"p2", Quantity::N},
        {"r", Quantity::Resistance},
        {"rho", Quantity::Resistance},
        {"imp", Quantity::Resistance},
        {"z", Quantity::Resistance},
        {"rhoa", Quantity::Rhoa},
        {"rho_a", Quantity::Rhoa},
        {"ra", Quantity::Rhoa},
        {"rs", Quantity::Rhoa},
        {"rhos", Quantity::Rhoa},
        {"u", Quantity::Voltage},
        {"v", Quantity::Voltage},
        {"i", Quantity::Current},
        {"err", Quantity::Error},
        {"std", Quantity::Error},
        {"error", Quantity::Error},
        {"k", Quantity::K},
        {"ip", Quantity::Ip},
        {"phase", Quantity::Ip},
        {"phi", Quantity::Ip},
        {"iperr", Quantity::IpError},
        {"phierr", Quantity::IpError},
    };
    const std::string_view base = BaseName(name);
    for (const auto& [known, quantity] : kNames) {
        if (base == known) {
            return quantity;
        }
    }
    return Quantity::None;
}

// The part of a line before its comment, without blanks at the ends.
std::string_view Content(const std::string& line) {
    return Trimmed(std::string_view(line).substr(0, line.find('#')));
}

// The column names of a line that starts with "#": "#x\tz" and "# x y z" alike.
bool ReadColumnNames(FileLines& lines, std::vector<std::string_view>& names) {
    std::string line;
    if (!lines.NextNonBlank(line)) {
        return false;
    }
    const std::string_view text = Trimmed(lines.Current());
    if (text.empty() || text[0] != '#') {
        lines.PutBack();
        return false;
    }
    SplitWords(text.substr(1), kBlanks, names);
    return true;
}

struct Electrodes {
    std::vector<double> x, y, z;
    bool hasY = true;
    bool hasZ = true;
    std::vector<char> used;  // by a data line, from 1; [0] stands for no electrode
};

// A column of the data table and the factor its unit gives it; no column: -1.
struct Column {
    int index = -1;
    double scale = 1;
    bool present() const { return index >= 0; }
};

struct DataTable {
    Column a, b, m, n, resistance, rhoa, voltage, current, error, k, ip, ipError;

    Column* Slot(Quantity quantity) {
        switch (quantity) {
            case Quantity::A:
                return &a;
            case Quantity::B:
                return &b;
            case Quantity::M:
                return &m;
            case Quantity::N:
                return &n;
            case Quantity::Resistance:
                return &resistance;
            case Quantity::Rhoa:
                return &rhoa;
            case Quantity::Voltage:
                return &voltage;
            case Quantity::Current:
                return &current;
            case Quantity::Error:
                return &error;
            case Quantity::K:
                return &k;
            case Quantity::Ip:
                return &ip;
            case Quantity::IpError:
                return &ipError;
            case Quantity::None:
                break;
        }
        return nullptr;
    }
};

class UnifiedReader {
  public:
    UnifiedReader(const std::string& path, bool ip, Progress& progress)
        : path_(path), ip_(ip), lines_(path), builder_(path, lines_, ip, progress) {}

    ImportedSurvey Read();

  private:
    bool ReadCount(const char* what, int64_t& count);
    bool ReadElectrodes(int64_t count);
    bool ReadTable();
    bool ReadData(int64_t count);
    void ReadData(std::string_view content);
    const char* Number(const Column& column, double& value);
    void ReadTail();
    bool CheckGeometry();
    bool NextContent();

    const std::string path_;
    const bool ip_;
    FileLines lines_;
    SurveyBuilder builder_;
    std::string title_;
    bool beforeFirstCount_ = true;
    std::string line_;
    std::vector<std::string_view> words_;
    std::string skipWord_;
    Electrodes electrodes_;
    DataTable table_;
};

ImportedSurvey UnifiedReader::Read() {
    int64_t electrodeCount = 0;
    int64_t dataCount = 0;
    if (ReadCount("the number of electrodes", electrodeCount) && ReadElectrodes(electrodeCount) &&
        ReadCount("the number of data", dataCount) &&
        (dataCount > 0 || builder_.Refuse("its data count is 0: the file holds no data.")) &&
        ReadTable() && ReadData(dataCount)) {
        ReadTail();
        CheckGeometry();
    }
    builder_.survey.title =
        title_.empty() ? FallbackTitle(path_, FormatName(ForeignFormat::Unified)) : title_;
    return builder_.Finish();
}

// A count line: a single whole number before any comment. Comment lines before the
// first count are skipped; the first of them titles the survey.
bool UnifiedReader::ReadCount(const char* what, int64_t& count) {
    while (lines_.Next(line_)) {
        const std::string_view content = Content(line_);
        if (content.empty()) {
            const size_t hash = line_.find('#');
            if (title_.empty() && beforeFirstCount_ && hash != std::string::npos) {
                title_ = std::string(Trimmed(std::string_view(line_).substr(hash + 1)));
            }
            continue;
        }
        beforeFirstCount_ = false;
        return ParseCount(content, count) ||
               builder_.RefuseLine(std::string(what) + " (a whole number)");
    }
    return builder_.RefuseEnd(what);
}

bool UnifiedReader::ReadElectrodes(int64_t count) {
    std::vector<std::string_view> names;
    if (!ReadColumnNames(lines_, names)) {
        names = {"x", "y", "z"};
    }
    const std::vector<std::string> columns(names.begin(), names.end());
    int xColumn = -1, yColumn = -1, zColumn = -1;
    std::vector<double> scale(columns.size(), 1);
    for (size_t i = 0; i < columns.size(); ++i) {
        const std::string name = Matched(columns[i]);
        const std::string_view base = BaseName(name);
        int* slot = base == "x"   ? &xColumn
                    : base == "y" ? &yColumn
                    : base == "z" ? &zColumn
                                  : nullptr;
        if (slot != nullptr && *slot < 0) {
            *slot = static_cast<int>(i);
            scale[i] = name.find("mm") != std::string::npos ? 1e-3 : 1;
        }
    }
    if (xColumn < 0) {
        return builder_.Refuse("the electrode list has no x column.");
    }
    electrodes_.hasY = yColumn >= 0;
    electrodes_.hasZ = zColumn >= 0;
    std::vector<double> values(columns.size());
    for (int64_t read = 0; read < count;) {
        if (!lines_.Next(line_)) {
            return builder_.RefuseEnd(
                CFormat("the end of the electrode list (%lld of %lld electrodes)",
                        static_cast<long long>(read), static_cast<long long>(count)));
        }
        const std::string_view content = Content(line_);
        if (content.empty()) {
            continue;
        }
        ++read;
        SplitWords(content, kBlanks, words_);
        std::fill(values.begin(), values.end(), 0.0);
        for (size_t i = 0; i < values.size() && i < words_.size(); ++i) {
            if (!ParseNumber(words_[i], values[i]) || !std::isfinite(values[i])) {
                return builder_.RefuseLine(
                    CFormat("the position of electrode %lld", static_cast<long long>(read)));
            }
            values[i] *= scale[i];
        }
        electrodes_.x.push_back(values[static_cast<size_t>(xColumn)]);
        electrodes_.y.push_back(yColumn >= 0 ? values[static_cast<size_t>(yColumn)] : 0);
        electrodes_.z.push_back(zColumn >= 0 ? values[static_cast<size_t>(zColumn)] : 0);
    }
    electrodes_.used.assign(electrodes_.x.size() + 1, 0);
    return true;
}

bool UnifiedReader::ReadTable() {
    std::vector<std::string_view> names;
    if (!ReadColumnNames(lines_, names)) {
        return lines_.NextNonBlank(line_)
                   ? builder_.RefuseLine(
                         "the names of the data columns (a line that starts with #)")
                   : builder_.RefuseEnd("the names of the data columns");
    }
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = Matched(names[i]);
        Column* column = table_.Slot(QuantityOf(name));
        if (column != nullptr && !column->present()) {
            column->index = static_cast<int>(i);
            column->scale = ScaleOf(name);
        }
    }
    for (const auto& [column, name] :
         {std::pair{&table_.a, "a"}, {&table_.b, "b"}, {&table_.m, "m"}, {&table_.n, "n"}}) {
        if (!column->present()) {
            return builder_.Refuse(std::string("the data table has no ") + name + " column.");
        }
    }
    if (ip_ && !table_.ip.present()) {
        return builder_.Refuse("the data table has no IP column (ip, phase or phi).");
    }
    if (!ip_ && !table_.resistance.present() &&
        !(table_.voltage.present() && table_.current.present()) && !table_.rhoa.present()) {
        return builder_.Refuse(
            "the data table has no resistance (r), voltage and current (u, i) or apparent "
            "resistivity (rhoa).");
    }
    if (ip_ ? table_.ipError.present() : table_.error.present()) {
        builder_.SetErrorColumn();
    }
    return true;
}

bool UnifiedReader::ReadData(int64_t count) {
    for (int64_t read = 0; read < count;) {
        if (!lines_.Next(line_)) {
            return builder_.RefuseEnd(CFormat("the %lld data its count promises (%lld found)",
                                              static_cast<long long>(count),
                                              static_cast<long long>(read)));
        }
        const std::string_view content = Content(line_);
        if (!content.empty()) {
            ++read;
            ReadData(content);
        }
    }
    return true;
}

// The value of a column on the current line, scaled; the reason when there is none.
const char* UnifiedReader::Number(const Column& column, double& value) {
    const size_t index = static_cast<size_t>(column.index);
    if (index >= words_.size()) {
        return "too few numbers";
    }
    if (!ParseNumber(words_[index], value)) {
        skipWord_ = "not a number: " + std::string(words_[index]);
        return skipWord_.c_str();
    }
    if (!std::isfinite(value)) {
        skipWord_ = "not a finite number: " + std::string(words_[index]);
        return skipWord_.c_str();
    }
    value *= column.scale;
    return nullptr;
}

void UnifiedReader::ReadData(std::string_view content) {
    SplitWords(content, kBlanks, words_);
    const int64_t line = lines_.LineNumber();
    const auto count = static_cast<double>(electrodes_.x.size());
    double number[4] = {};
    const Column* columns[4] = {&table_.a, &table_.b, &table_.m, &table_.n};
    for (int e = 0; e < 4; ++e) {
        const Column whole{columns[e]->index, 1};
        if (const char* reason = Number(whole, number[e])) {
            builder_.Skip(line, reason);
            return;
        }
        if (number[e] < 0 || number[e] != std::floor(number[e])) {
            builder_.Skip(line, std::string(words_[static_cast<size_t>(whole.index)]) +
                                    " is not an electrode number");
            return;
        }
        if (number[e] > count) {
            builder_.Skip(line, CFormat("electrode %.0f is not in the list of %zu", number[e],
                                        electrodes_.x.size()));
            return;
        }
    }
    FileQuadrupole file;
    std::optional<double>* slots[4] = {&file.a, &file.b, &file.m, &file.n};
    for (int e = 0; e < 4; ++e) {
        const auto index = static_cast<size_t>(number[e]);
        if (index > 0) {
            *slots[e] = electrodes_.x[index - 1];
            electrodes_.used[index] = 1;
        }
    }
    Quadrupole placed;
    if (const char* reason = PlaceQuadrupole(file, placed)) {
        builder_.Skip(line, reason);
        return;
    }
    double value = 0;
    double stdDev = 0;
    const char* reason = nullptr;
    if (ip_) {
        reason = Number(table_.ip, value);
        if (reason == nullptr && table_.ipError.present() &&
            Number(table_.ipError, stdDev) == nullptr) {
            stdDev = std::fabs(stdDev);
        }
    } else {
        double first = 0;
        double second = 0;
        if (table_.resistance.present()) {
            reason = Number(table_.resistance, value);
        } else if (table_.voltage.present() && table_.current.present()) {
            reason = Number(table_.voltage, first);
            reason = reason ? reason : Number(table_.current, second);
            reason = reason ? reason : second == 0 ? "the current is 0" : nullptr;
            value = first / second;
        } else if (table_.k.present()) {
            reason = Number(table_.rhoa, first);
            reason = reason ? reason : Number(table_.k, second);
            reason = reason ? reason : second == 0 ? "k is 0" : nullptr;
            value = first / second;
        } else {
            reason = Number(table_.rhoa, first);
            const std::optional<double> perRhoa = FlatResistancePerRhoa(file);
            reason = reason    ? reason
                     : perRhoa ? nullptr
                               : "the flat geometric factor is 0 or infinite";
            value = perRhoa ? first * *perRhoa : 0;
        }
        if (reason == nullptr && table_.error.present() &&
            Number(table_.error, stdDev) == nullptr) {
            stdDev *= std::fabs(value);
        }
        value *= placed.dcSign;
    }
    if (reason != nullptr) {
        builder_.Skip(line, reason);
        return;
    }
    builder_.Add(line, placed, value, stdDev);
}

// pyGIMLi may end the file with its own topography points: a count, perhaps column
// names, the points. The electrodes carry their elevations, so the block is passed over;
// anything after it is not part of the format.
void UnifiedReader::ReadTail() {
    if (!NextContent()) {
        return;
    }
    int64_t points = 0;
    if (ParseCount(Content(line_), points)) {
        std::vector<std::string_view> names;
        ReadColumnNames(lines_, names);
        for (int64_t read = 0; read < points && NextContent(); ++read) {
        }
        if (!NextContent()) {
            return;
        }
    }
    builder_.survey.remarks.push_back(
        CFormat("%s goes on after the survey at line %lld; that part is not read.", path_.c_str(),
                static_cast<long long>(lines_.LineNumber())));
}

bool UnifiedReader::NextContent() {
    while (lines_.Next(line_)) {
        if (!Content(line_).empty()) {
            return true;
        }
    }
    return false;
}

// Every electrode a datum uses must lie on the one line, and on the ground surface.
bool UnifiedReader::CheckGeometry() {
    const Electrodes& e = electrodes_;
    // With a z column, y runs across the line; without one, y is the elevation, as in
    // pyGIMLi's two-dimensional meshes.
    const bool yAcross = e.hasY && e.hasZ;
    const std::vector<double>& elevation = e.hasZ ? e.z : e.y;
    bool first = true;
    double y = 0;
    for (size_t i = 0; i < e.x.size(); ++i) {
        if (!e.used[i + 1]) {
            continue;
        }
        if (yAcross && !first && e.y[i] != y) {
            return builder_.RefuseThreeDimensional(y, e.y[i]);
        }
        if (first) {
            y = e.y[i];
            first = false;
        }
        if (!builder_.AddElevation(e.x[i], e.hasY || e.hasZ ? elevation[i] : 0)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ImportedSurvey ReadUnified(const std::string& path, bool ip, Progress& progress) {
    UnifiedReader reader(path, ip, progress);
    return reader.Read();
}

}  // namespace oskava
