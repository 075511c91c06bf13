// The observation file reader: the general layout (a title line, then one datum per
// line) and the common-current layout (blocks of observations per current pair).
#include <cmath>
#include <initializer_list>
#include <string>

#include "survey/DatDoc.h"
#include "survey/Prompts.h"
#include "survey/TextFile.h"

namespace oskava {

namespace {

const char kCommonCurrentKeyword[] = "COMMON_CURRENT";

std::string ReadError(const std::string& line, const std::string& path) {
    return "Error reading data file: \n" + line + "\n" + path;
}

// A large file takes a while: the waiting person hears of it every few thousand data.
void ReportProgress(Progress& progress, int32_t dataRead) {
    if (dataRead % 4096 == 0) {
        progress.Tick();
    }
}

// The C scan also accepts "nan", "inf" and numbers beyond the range of a double such
// as 1e999. No position, datum or standard deviation can be one of those, and a single
// one would stretch the survey's extents to infinity: such a line is unreadable.
bool AllFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void CDatDoc::FailRead() {
    dataCount = 0;
    observations.clear();
    observations.shrink_to_fit();
}

bool CDatDoc::ReadDataFile(const std::string& path) {
    dataCount = 0;
    ClearData();

    TextFile file(path);
    if (!file.IsOpen()) {
        prompts().Message("Data file: " + path + " not found.", MessageKind::Warning);
        return false;
    }
    progress().Stage("Reading " + path);
    file.ReadLine(headerLine);
    if (headerLine == kCommonCurrentKeyword) {
        commonCurrent = true;
        return ReadCommonCurrentFile(file, path);
    }
    commonCurrent = false;

    bool stdDevsPresent = true;
    std::string line;
    while (GetNextLine(file, line)) {
        Cobs record;
        const int read = ScanLine(line, "%lf %lf %lf %lf %lf %lf", &record.xa, &record.xb,
                                  &record.xm, &record.xn, &record.datum, &record.stdDev);
        if (read == 5) {
            stdDevsPresent = false;
        }
        if (read < 5 ||
            !AllFinite({record.xa, record.xb, record.xm, record.xn, record.datum, record.stdDev})) {
            prompts().Message(ReadError(line, path), MessageKind::Warning);
            FailRead();
            return false;
        }
        observations.push_back(record);
        ++dataCount;
        ReportProgress(progress(), dataCount);
    }
    if (dataCount == 0) {
        prompts().Message("There is no data in \n" + path, MessageKind::Warning);
        return false;
    }
    file.Close();
    if (!stdDevsPresent) {
        for (Cobs& record : observations) {
            record.stdDev = 0;
        }
    }
    defaultErrors = !stdDevsPresent;
    SetPathName(path);
    return true;
}

bool CDatDoc::ReadCommonCurrentFile(TextFile& file, const std::string& path) {
    auto fail = [&](const std::string& line, const char* explanation) {
        prompts().Message(ReadError(line, path) + explanation, MessageKind::Warning);
        FailRead();
        return false;
    };

    bool stdDevsPresent = true;
    std::string line;
    GetNextLine(file, line);
    int currentCount = 0;
    if (ScanLine(line, "%i", &currentCount) != 1) {
        return fail(line, "\nExpecting # of current locations.");
    }
    if (currentCount < 1) {
        return fail(line, "\nNumber of current locations should be positive.");
    }
    for (int current = 0; current < currentCount; ++current) {
        GetNextLine(file, line);
        double xa = 0;
        double xb = 0;
        int nobs = 0;
        if (ScanLine(line, "%lf %lf %i", &xa, &xb, &nobs) != 3 || !AllFinite({xa, xb})) {
            return fail(line, "\nExpecting xa xb nobs.");
        }
        if (nobs < 1) {
            return fail(line, "\nNumber of observations should be positive.");
        }
        for (int k = 0; k < nobs; ++k) {
            GetNextLine(file, line);
            Cobs record;
            record.xa = xa;
            record.xb = xb;
            const int read = ScanLine(line, "%lf %lf %lf %lf", &record.xm, &record.xn,
                                      &record.datum, &record.stdDev);
            if (read == 3) {
                stdDevsPresent = false;
            }
            if (read < 3 || !AllFinite({record.xm, record.xn, record.datum, record.stdDev})) {
                return fail(line, "");
            }
            observations.push_back(record);
            ++dataCount;
            ReportProgress(progress(), dataCount);
        }
    }
    file.Close();
    if (!stdDevsPresent) {
        for (Cobs& record : observations) {
            record.stdDev = 0;
        }
    }
    defaultErrors = !stdDevsPresent;
    SetPathName(path);
    return true;
}

}  // namespace oskava
