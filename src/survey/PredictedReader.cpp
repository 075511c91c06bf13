// The predicted-data reader: the data an inversion run predicts for the loaded
// observations, in the observation file's layout, accepted only when every position
// matches the record it belongs to.
#include <cmath>
#include <string>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "survey/PositionMatch.h"
#include "survey/Prompts.h"
#include "survey/TextFile.h"

namespace oskava {

namespace {

std::string ReadError(const std::string& line, const std::string& path) {
    return "Error reading predicted data file: \n" + line + "\n" + path;
}

std::string Inconsistent(const std::string& path) {
    return "Data file not consistent with predicted file: \n" + path;
}

// Positions need no check of their own: nan and inf match no record's position. A
// predicted datum of nan or inf (the C scan takes both, and 1e999 as inf) would make
// its display value and the misfit meaningless, so its line is unreadable.
bool SameElectrodes(const Cobs& record, double xa, double xb, double xm, double xn) {
    return PositionsMatch(xa, record.xa) && PositionsMatch(xb, record.xb) &&
           PositionsMatch(xm, record.xm) && PositionsMatch(xn, record.xn);
}

}  // namespace

bool CDatDoc::StorePredicted(Cobs& record, const std::string& path) {
    record.SetNormalizedDiff();
    if (!isDC) {
        record.predictedDisplayValue = record.predicted;
        return true;
    }
    if (!record.SetPredictedDisplayValue(prompts())) {
        prompts().Message("Error in predicted data file: \n" + path, MessageKind::Warning);
        return false;
    }
    return true;
}

bool CDatDoc::ReadPredictedFile(const std::string& path) {
    TextFile file(path);
    if (!file.IsOpen()) {
        prompts().Message("Predicted data file: " + path + " not found.", MessageKind::Warning);
        return false;
    }
    if (commonCurrent) {
        return ReadPredictedCommonCurrentFile(file, path);
    }
    std::string line;
    file.ReadLine(line);
    for (Cobs& record : observations) {
        if (!GetNextLine(file, line)) {
            prompts().Message(ReadError(line, path), MessageKind::Warning);
            return false;
        }
        double xa = 0, xb = 0, xm = 0, xn = 0;
        if (ScanLine(line, "%lf %lf %lf %lf %lf", &xa, &xb, &xm, &xn, &record.predicted) != 5 ||
            !std::isfinite(record.predicted)) {
            prompts().Message(ReadError(line, path), MessageKind::Warning);
            return false;
        }
        if (!SameElectrodes(record, xa, xb, xm, xn)) {
            prompts().Message(Inconsistent(path), MessageKind::Warning);
            return false;
        }
        if (!StorePredicted(record, path)) {
            return false;
        }
    }
    file.Close();
    predictedLoaded = true;
    return true;
}

bool CDatDoc::ReadPredictedCommonCurrentFile(TextFile& file, const std::string& path) {
    auto fail = [&](const std::string& message) {
        prompts().Message(message, MessageKind::Warning);
        return false;
    };

    std::string line;
    GetNextLine(file, line);  // the keyword line
    GetNextLine(file, line);
    int currentCount = 0;
    if (ScanLine(line, "%i", &currentCount) != 1) {
        return fail(ReadError(line, path) + "\nExpecting # of current locations.");
    }
    if (currentCount < 1) {
        return fail(ReadError(line, path) + "\nNumber of currect locations should be positive.");
    }
    size_t k = 0;
    for (int current = 0; current < currentCount; ++current) {
        GetNextLine(file, line);
        double xa = 0;
        double xb = 0;
        int nobs = 0;
        if (ScanLine(line, "%lf %lf %i", &xa, &xb, &nobs) != 3) {
            return fail(ReadError(line, path) + "\nExpecting xa xb nobs.");
        }
        if (nobs < 1) {
            return fail(ReadError(line, path) + "\nNumber of observations should be positive.");
        }
        for (int i = 0; i < nobs; ++i, ++k) {
            // A file that declares more observations than the survey holds cannot
            // belong to it; nothing past the last record is read.
            if (k >= observations.size()) {
                return fail(Inconsistent(path));
            }
            Cobs& record = observations[k];
            GetNextLine(file, line);
            double xm = 0;
            double xn = 0;
            if (ScanLine(line, "%lf %lf %lf", &xm, &xn, &record.predicted) != 3 ||
                !std::isfinite(record.predicted)) {
                return fail(ReadError(line, path));
            }
            if (!SameElectrodes(record, xa, xb, xm, xn)) {
                return fail(Inconsistent(path));
            }
            if (!StorePredicted(record, path)) {
                return false;
            }
        }
    }
    file.Close();
    predictedLoaded = true;
    if (k < observations.size()) {
        LeaveWithoutPrediction(k, path);
    }
    return true;
}

void CDatDoc::LeaveWithoutPrediction(size_t first, const std::string& path) {
    // No value stands in for a missing prediction: nan leaves these data unpainted in
    // the predicted and difference panels and out of the misfit, so that a truncated
    // file does not pass for a fit.
    for (size_t i = first; i < observations.size(); ++i) {
        Cobs& record = observations[i];
        record.predicted = NAN;
        record.predictedDisplayValue = NAN;
        record.normalizedDiff = NAN;
    }
    prompts().Message(CFormat("Predicted data file ends before the last datum: \n%s\n%zu data "
                              "have no predicted value and are left out of the misfit.",
                              path.c_str(), observations.size() - first),
                      MessageKind::Warning);
}

}  // namespace oskava
