// What must hold after an import of any bytes: a refused file says why, naming the file;
// an accepted one holds finite numbers in the program's pole convention, standard
// deviations all or none, and a ground of distinct increasing positions.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "formats/Import.h"

namespace oskava::fuzz {

inline ImportedSurvey ImportChecked(const std::string& bytes, std::optional<ForeignFormat> format,
                                    bool ip) {
    const std::string path = Folder().Write("foreign", bytes);
    Progress silent;
    ImportedSurvey survey = ImportSurvey(path, format, ip, silent);
    if (!survey.error.empty()) {
        FUZZ_CHECK(survey.error.compare(0, path.size() + 2, path + ": ") == 0);
        return survey;
    }
    FUZZ_CHECK(!survey.data.empty());
    bool anyIp = false;
    for (const ImportedDatum& d : survey.data) {
        for (const double value : {d.xa, d.xb, d.xm, d.xn, d.value, d.stdDev}) {
            FUZZ_CHECK(std::isfinite(value));
        }
        FUZZ_CHECK(survey.hasStdDev ? d.stdDev > 0 : d.stdDev == 0);
        anyIp = anyIp || d.value != 0;
    }
    FUZZ_CHECK(!ip || anyIp);
    for (size_t i = 0; i < survey.ground.size(); ++i) {
        FUZZ_CHECK(std::isfinite(survey.ground[i].x) && std::isfinite(survey.ground[i].elevation));
        FUZZ_CHECK(i == 0 || survey.ground[i].x > survey.ground[i - 1].x);
    }
    FUZZ_CHECK(survey.ground.empty() || survey.ground.size() >= 2);
    return survey;
}

/// Reads the bytes after a first byte that chooses DC or IP, in the format given.
inline void ImportAnyBytes(const uint8_t* data, size_t size, std::optional<ForeignFormat> format) {
    FuzzBytes bytes(data, size);
    const bool ip = bytes.Byte() % 2 == 1;
    ImportChecked(bytes.Rest(), format, ip);
}

}  // namespace oskava::fuzz
