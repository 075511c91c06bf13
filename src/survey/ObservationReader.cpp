// The observation file reader: the general layout (a title line, then one datum per
// line) and the common-current layout (blocks of observations per current pair).
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "survey/DatDoc.h"
#include "survey/DecimalScan.h"
#include "survey/ParallelParts.h"
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

// Once the first records are read, reserves room for as many more as the rest of the
// bytes hold at the same number of bytes per record, so that a large survey is not
// copied over and over as it grows. Room beyond the records read is never touched and
// costs no memory.
void ReserveForRest(size_t bytesRead, size_t size, std::vector<Cobs>& records) {
    constexpr size_t kSample = 1024;
    if (records.size() != kSample || bytesRead == 0 || size <= bytesRead) {
        return;
    }
    const double perRecord = static_cast<double>(bytesRead) / kSample;
    records.reserve(kSample +
                    static_cast<size_t>(1.02 * static_cast<double>(size - bytesRead) / perRecord));
}

// A general-layout data line as a record; false when the line is unreadable. Reads
// whether the line has a standard deviation.
bool ParseRecord(const char* text, bool decimalPointIsDot, Cobs& record, bool& hasStdDev) {
    double v[6] = {};
    const int read = ScanReals(text, v, 6, decimalPointIsDot);
    record.xa = v[0];
    record.xb = v[1];
    record.xm = v[2];
    record.xn = v[3];
    record.datum = v[4];
    record.stdDev = v[5];
    hasStdDev = read == 6;
    return read >= 5 &&
           AllFinite({record.xa, record.xb, record.xm, record.xn, record.datum, record.stdDev});
}

// What reading one part of a general-layout file found.
struct PartResult {
    bool stdDevsPresent = true;
    bool failed = false;
    std::string failedLine;  // the first unreadable line of the part
};

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

    // The file is read whole and its lines parsed in parts, each part on a core of its
    // own: first counted, so that every part knows where its records go, then parsed
    // in place. The records are those of reading line after line.
    DataLines lines(file);
    file.Close();
    const bool decimalPointIsDot = DecimalPointIsDot();
    std::vector<DataLines::Part> parts = lines.Split(ThreadCount());
    const int partCount = static_cast<int>(parts.size());
    std::vector<size_t> firstRecord(parts.size() + 1, 0);
    RunParts(partCount, [&](int part) {
        firstRecord[static_cast<size_t>(part) + 1] = lines.Count(parts[static_cast<size_t>(part)]);
    });
    for (size_t part = 1; part <= parts.size(); ++part) {
        firstRecord[part] += firstRecord[part - 1];
    }
    ResizeOnAllCores(observations, firstRecord.back());
    std::vector<PartResult> results(parts.size());
    RunParts(partCount, [&](int part) {
        const size_t p = static_cast<size_t>(part);
        PartResult& result = results[p];
        DataLines::Line line;
        for (size_t i = firstRecord[p]; i < firstRecord[p + 1] && lines.Next(parts[p], line); ++i) {
            bool hasStdDev = true;
            if (!ParseRecord(line.text, decimalPointIsDot, observations[i], hasStdDev)) {
                result.failed = true;
                result.failedLine = line.ToString();
                return;
            }
            result.stdDevsPresent = result.stdDevsPresent && hasStdDev;
            // The waiting person hears from the first part only: the window is not to be
            // touched from other threads.
            if (part == 0) {
                ReportProgress(progress(), static_cast<int32_t>(i + 1));
            }
        }
    });
    bool stdDevsPresent = true;
    for (const PartResult& result : results) {
        if (result.failed) {
            prompts().Message(ReadError(result.failedLine, path), MessageKind::Warning);
            FailRead();
            return false;
        }
        stdDevsPresent = stdDevsPresent && result.stdDevsPresent;
    }
    dataCount = static_cast<int32_t>(observations.size());
    if (dataCount == 0) {
        prompts().Message("There is no data in \n" + path, MessageKind::Warning);
        return false;
    }
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

    DataLines lines(file);
    file.Close();
    const bool decimalPointIsDot = DecimalPointIsDot();
    DataLines::Part rest = lines.Whole();
    DataLines::Line line;
    // Past the last data line, a line is empty.
    auto nextLine = [&] {
        if (!lines.Next(rest, line)) {
            line = DataLines::Line{"", 0};
        }
        return line;
    };
    bool stdDevsPresent = true;
    int currentCount = 0;
    if (ScanLine(nextLine().ToString(), "%i", &currentCount) != 1) {
        return fail(line.ToString(), "\nExpecting # of current locations.");
    }
    if (currentCount < 1) {
        return fail(line.ToString(), "\nNumber of current locations should be positive.");
    }
    for (int current = 0; current < currentCount; ++current) {
        double xa = 0;
        double xb = 0;
        int nobs = 0;
        if (ScanLine(nextLine().ToString(), "%lf %lf %i", &xa, &xb, &nobs) != 3 ||
            !AllFinite({xa, xb})) {
            return fail(line.ToString(), "\nExpecting xa xb nobs.");
        }
        if (nobs < 1) {
            return fail(line.ToString(), "\nNumber of observations should be positive.");
        }
        for (int k = 0; k < nobs; ++k) {
            double v[4] = {};
            const int read = ScanReals(nextLine().text, v, 4, decimalPointIsDot);
            Cobs record;
            record.xa = xa;
            record.xb = xb;
            record.xm = v[0];
            record.xn = v[1];
            record.datum = v[2];
            record.stdDev = v[3];
            if (read == 3) {
                stdDevsPresent = false;
            }
            if (read < 3 || !AllFinite({record.xm, record.xn, record.datum, record.stdDev})) {
                return fail(line.ToString(), "");
            }
            observations.push_back(record);
            ++dataCount;
            ReserveForRest(rest.begin, lines.Whole().end, observations);
            ReportProgress(progress(), dataCount);
        }
    }
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
