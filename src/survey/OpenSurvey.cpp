#include "survey/OpenSurvey.h"

namespace oskava {

namespace {

// Whichever way the sequence ends, its long work has ended.
class FinishProgress {
public:
    explicit FinishProgress(Progress& progress) : progress_(progress) {}
    ~FinishProgress() { progress_.Finished(); }
    FinishProgress(const FinishProgress&) = delete;
    FinishProgress& operator=(const FinishProgress&) = delete;

private:
    Progress& progress_;
};

}  // namespace

OpenOutcome OpenSurvey(CDatDoc& doc, const OpenRequest& request,
                       const std::function<bool(CDatDoc&)>& readSurvey) {
    const FinishProgress finish(doc.progress());
    doc.dataReady = false;
    doc.dataFileName = request.dataFile;
    doc.predictedLoaded = false;
    if (readSurvey ? !readSurvey(doc) : !doc.ReadDataFile(doc.dataFileName)) {
        return OpenOutcome::Failed;
    }
    if (request.isDC) {
        doc.isDC = *request.isDC;
    }
    doc.topographyFileName = request.topographyFile;
    if (!readSurvey && !doc.ReadTopography(doc.topographyFileName)) {
        return OpenOutcome::EndProcess;
    }
    if (!doc.ProcessData()) {
        return OpenOutcome::Failed;
    }
    // The log comes first so that the normalized differences use its errors.
    if (!request.logFile.empty() && doc.defaultErrors && !doc.ReadDefaultErrors(request.logFile)) {
        return OpenOutcome::EndProcess;
    }
    if (!request.predictedFile.empty()) {
        doc.predictedFileName = request.predictedFile;
        doc.ReadPredictedFile(doc.predictedFileName);
    }
    doc.dataReady = true;
    doc.UpdateAllViews(0);
    doc.SetModifiedFlag(false);
    return OpenOutcome::Opened;
}

OpenOutcome CDatDoc::OnOpenDocument(const std::string& path, const CommandLineOptions& options) {
    OpenRequest request;
    request.dataFile = path;
    request.isDC = options.isDC;
    request.topographyFile = options.topographyFile;
    if (options.predicted) {
        const bool dc = options.isDC.value_or(isDC);
        request.predictedFile = InversionPredictedFile(dc);
        request.logFile = InversionLogFile(dc);
    }
    return OpenSurvey(*this, request);
}

OpenOutcome CDatDoc::OnFileOpen(const LoadDataFields& fields) {
    dataFileName = fields.dataFile;
    predictedFileName = fields.predictedFile;
    topographyFileName = fields.topographyFile;
    isDC = fields.isDC;
    OpenRequest request;
    request.dataFile = fields.dataFile;
    request.isDC = fields.isDC;
    request.topographyFile = fields.topographyFile;
    request.predictedFile = fields.predictedFile;
    const OpenOutcome outcome = OpenSurvey(*this, request);
    if (outcome != OpenOutcome::EndProcess) {
        return outcome;
    }
    // Only start-up ends the program for a topography file it cannot read; here the
    // window stays, without the survey whose electrodes could not be placed.
    dataCount = 0;
    ClearData();
    return OpenOutcome::Failed;
}

}  // namespace oskava
