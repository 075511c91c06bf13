#include "formats/Import.h"

#include <cmath>
#include <vector>

#include "formats/Fields.h"
#include "formats/FileLines.h"
#include "formats/Readers.h"
#include "survey/ExactNumber.h"
#include "survey/FilePaths.h"
#include "survey/ObservationWriter.h"
#include "survey/SafeFileWrite.h"
#include "survey/Topography.h"

namespace oskava {

namespace {

// The first non-blank lines of the file, at most count of them.
std::vector<std::string> FirstLines(const std::string& path, size_t count) {
    FileLines lines(path);
    std::vector<std::string> first;
    std::string line;
    while (first.size() < count && lines.NextNonBlank(line)) {
        first.push_back(line);
    }
    return first;
}

bool IsSyscalHeader(const std::string& line) {
    return line.find("El-array") != std::string::npos &&
           (line.find("Spa.1") != std::string::npos || line.find("xA(m)") != std::string::npos ||
            line.find("xA (m)") != std::string::npos);
}

// A line that is one number only; whole: a number without fraction.
bool IsSingleNumber(const std::string& line, bool whole) {
    std::vector<std::string_view> words;
    SplitWords(line, " \t,\r\v\f", words);
    double value = 0;
    return words.size() == 1 && ParseNumber(words[0], value) && std::isfinite(value) &&
           (!whole || value == std::floor(value));
}

bool LooksLikeRes2DInv(const std::vector<std::string>& first) {
    return first.size() >= 3 && IsSingleNumber(first[1], false) && IsSingleNumber(first[2], true);
}

bool LooksLikeUnified(const std::string& path) {
    FileLines lines(path);
    std::string line;
    while (lines.Next(line)) {
        const std::string_view content = Trimmed(std::string_view(line).substr(0, line.find('#')));
        int64_t count = 0;
        if (!content.empty()) {
            return ParseCount(content, count);
        }
    }
    return false;
}

void AppendDatum(std::string& out, const ImportedDatum& datum, bool withStdDev) {
    AppendShortest(out, datum.xa);
    for (const double value : {datum.xb, datum.xm, datum.xn, datum.value}) {
        out += ' ';
        AppendShortest(out, value);
    }
    if (withStdDev) {
        out += ' ';
        AppendShortest(out, datum.stdDev);
    }
    out += '\n';
}

std::string TopographyText(const std::vector<GroundPoint>& ground) {
    std::vector<double> x;
    std::vector<double> elevation;
    for (const GroundPoint& point : ground) {
        x.push_back(point.x);
        elevation.push_back(point.elevation);
    }
    return TopographyFileText(HighestElevation(ground), x, elevation);
}

}  // namespace

std::string FallbackTitle(const std::string& path, const char* formatName) {
    return FileNamePart(path) + " (" + formatName + ")";
}

std::optional<ForeignFormat> DetectFormat(const std::string& path) {
    const std::vector<std::string> first = FirstLines(path, 3);
    if (!first.empty() && IsSyscalHeader(first[0])) {
        return ForeignFormat::Syscal;
    }
    if (LooksLikeUnified(path)) {
        return ForeignFormat::Unified;
    }
    if (LooksLikeRes2DInv(first)) {
        return ForeignFormat::Res2DInv;
    }
    return std::nullopt;
}

ImportedSurvey ImportSurvey(const std::string& path, std::optional<ForeignFormat> format, bool ip,
                            Progress& progress) {
    ImportedSurvey refused;
    if (!FileLines(path).IsOpen()) {
        refused.error = path + ": not found, or not a file that can be read.";
        return refused;
    }
    if (FirstLines(path, 1).empty()) {
        refused.error = path + ": the file is empty.";
        return refused;
    }
    const bool named = format.has_value();
    if (!named) {
        format = DetectFormat(path);
    }
    if (!format) {
        refused.error = path + ": not a file in a known format";
        return refused;
    }
    progress.Stage("Importing " + path);
    switch (*format) {
        case ForeignFormat::Syscal:
            return ReadSyscal(path, ip, progress);
        case ForeignFormat::Res2DInv:
            return ReadRes2DInv(path, ip, progress);
        case ForeignFormat::Unified:
            break;
    }
    ImportedSurvey unified = ReadUnified(path, ip, progress);
    // A Res2DInv file whose title is a whole number looks like a unified file at first;
    // a format the user named is read as that format only.
    if (!named && !unified.error.empty() && LooksLikeRes2DInv(FirstLines(path, 3))) {
        ImportedSurvey res2dinv = ReadRes2DInv(path, ip, progress);
        if (res2dinv.error.empty()) {
            return res2dinv;
        }
    }
    return unified;
}

std::string ImportedObservationText(const ImportedSurvey& survey) {
    std::string text = GeneralLayoutTitle(survey.title) + "\n";
    text.reserve(text.size() + survey.data.size() * 64);
    for (const ImportedDatum& datum : survey.data) {
        AppendDatum(text, datum, survey.hasStdDev);
    }
    return text;
}

bool ImportToFile(const std::string& input, const std::string& output,
                  std::optional<ForeignFormat> format, bool ip, Prompts& prompts) {
    const std::string topography = WithExtension(output, ".topo");
    for (const std::string& written : {output, topography}) {
        if (SameFile(written, input)) {
            prompts.Message(
                written + ": writing it would replace " + input + ", the file being imported.",
                MessageKind::Error);
            return false;
        }
    }
    Progress silent;
    const ImportedSurvey survey = ImportSurvey(input, format, ip, silent);
    if (!survey.error.empty()) {
        prompts.Message(survey.error, MessageKind::Error);
        return false;
    }
    if (!survey.ground.empty() && topography == output) {
        prompts.Message(output +
                            ": the elevations would go to the same file; name the output "
                            "with another extension.",
                        MessageKind::Error);
        return false;
    }
    const std::string information = ImportInformation(survey, output + " is written");
    if (!information.empty()) {
        prompts.Message(information, MessageKind::Information);
    }
    std::string reason;
    if (!WriteFileSafely(output, ImportedObservationText(survey), reason)) {
        prompts.Message(output + ": cannot be written: " + reason, MessageKind::Error);
        return false;
    }
    if (survey.ground.empty()) {
        return true;
    }
    if (!WriteFileSafely(topography, TopographyText(survey.ground), reason)) {
        prompts.Message(topography + ": cannot be written: " + reason, MessageKind::Error);
        return false;
    }
    prompts.Message(TopographyWrittenNote(topography, output), MessageKind::Information);
    return true;
}

}  // namespace oskava
