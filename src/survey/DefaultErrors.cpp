// Default standard deviations from an inversion log: the errors the inversion gave the
// data when the observation file had none, from the log's "Default Errors" table.
#include <cmath>
#include <string>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "survey/Prompts.h"
#include "survey/TextFile.h"

namespace oskava {

namespace {

const char kTableMarker[] = "Default Errors";

bool FindTable(TextFile& log) {
    std::string line;
    while (log.ReadLine(line)) {
        if (line.find(kTableMarker) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool CDatDoc::ReadDefaultErrors(const std::string& logPath) {
    TextFile log(logPath);
    if (!log.IsOpen()) {
        prompts().Message(
            "Log file: " + logPath + " not found.\nLog file is needed for default errors.",
            MessageKind::Warning);
        return false;
    }
    if (!FindTable(log)) {
        prompts().Message("Default errors table not found in log file: \n" + logPath +
                              "\nThe data keep their standard deviations.",
                          MessageKind::Warning);
        return true;
    }
    std::string line;
    log.ReadLine(line);  // the table's header
    size_t read = 0;
    for (Cobs& record : observations) {
        if (!log.ReadLine(line)) {
            break;
        }
        ++read;
        double ignored = 0;
        double stdDev = 0;
        // The sixth number is the error; a line with fewer, or with nan or inf there,
        // keeps the record's own.
        if (ScanLine(line, "%lf %lf %lf %lf %lf %lf", &ignored, &ignored, &ignored, &ignored,
                     &ignored, &stdDev) == 6 &&
            std::isfinite(stdDev)) {
            record.stdDev = stdDev;
        }
    }
    if (read < observations.size()) {
        prompts().Message(CFormat("Default errors table incomplete in log file: \n%s\nOnly %zu of "
                                  "%zu data have a default error.",
                                  logPath.c_str(), read, observations.size()),
                          MessageKind::Warning);
    }
    return true;
}

}  // namespace oskava
