#include "survey/LoadDataRules.h"

#include "survey/FilePaths.h"

namespace oskava {

namespace {

std::string NotFound(const char* heading, const std::string& name) {
    return std::string(heading) + ":\n" + name + "\nnot found.";
}

}  // namespace

LoadDataRefusal CheckLoadData(LoadDataFields& fields, std::optional<bool> checkedType) {
    if (!checkedType) {
        return {"DC or IP data type should be checked.", LoadDataFocus::Unchanged};
    }
    fields.isDC = *checkedType;
    if (fields.dataFile.empty()) {
        return {"Data file is missing.", LoadDataFocus::Unchanged};
    }
    if (!FileExists(fields.dataFile)) {
        return {NotFound("Data file", fields.dataFile), LoadDataFocus::DataFile};
    }
    // The predicted data are an observation file too, hence the same heading.
    if (!fields.predictedFile.empty() && !FileExists(fields.predictedFile)) {
        return {NotFound("Data file", fields.predictedFile), LoadDataFocus::PredictedFile};
    }
    if (!fields.topographyFile.empty() && !FileExists(fields.topographyFile)) {
        return {NotFound("Topography file", fields.topographyFile), LoadDataFocus::TopographyFile};
    }
    return {};
}

std::optional<std::string> DroppedFileName(const std::vector<DroppedItem>& items) {
    if (items.empty() || !items.front().localFile || items.front().path.empty()) {
        return std::nullopt;
    }
    return items.front().path;
}

size_t FileNamePartStart(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace oskava
