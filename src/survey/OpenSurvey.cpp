#include "survey/OpenSurvey.h"

#include "survey/CFormat.h"
#include "survey/Prompts.h"

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

// Once the first wrong-sign datum has stopped the derived quantities: the indices
// (ascending) of every record with the wrong sign, found without further messages.
std::vector<size_t> WrongSignRecords(CDatDoc& doc) {
    std::vector<size_t> wrong;
    for (size_t i = 0; i < doc.observations.size(); ++i) {
        Cobs& record = doc.observations[i];
        record.SetGeometry(doc.topoX, doc.topoDepth, doc.hasTopography);
        if (record.HasWrongSign(record.datum)) {
            wrong.push_back(i);
        }
    }
    return wrong;
}

// Whether the survey opens without its wrong-sign data. With none left there is no
// survey to open, and nothing is asked.
bool OpenWithout(CDatDoc& doc, WrongSignData choice, size_t wrong) {
    const size_t all = doc.observations.size();
    if (wrong == 0 || choice == WrongSignData::Stop) {
        return false;
    }
    if (wrong == all) {
        if (choice == WrongSignData::LeaveOut) {
            doc.prompts().Message("All data have the wrong sign.", MessageKind::Error);
        }
        return false;
    }
    return choice == WrongSignData::LeaveOut ||
           doc.prompts().AskYesNo(CFormat(
               "%zu of %zu data have the wrong sign.\nOpen the survey without them?", wrong, all));
}

// Keeps the order of the records left; indices ascending.
void RemoveRecords(std::vector<Cobs>& records, const std::vector<size_t>& indices) {
    size_t to = 0;
    size_t next = 0;
    for (size_t from = 0; from < records.size(); ++from) {
        if (next < indices.size() && indices[next] == from) {
            ++next;
        } else {
            records[to++] = std::move(records[from]);
        }
    }
    records.resize(to);
}

// The sequence; leftOut gets the wrong-sign data the survey opened without.
OpenOutcome RunSequence(CDatDoc& doc, const OpenRequest& request,
                        const std::function<bool(CDatDoc&)>& readSurvey,
                        std::vector<size_t>& leftOut) {
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
        leftOut = WrongSignRecords(doc);
        if (!OpenWithout(doc, request.wrongSign, leftOut.size())) {
            leftOut.clear();
            return OpenOutcome::Failed;
        }
    }
    // The log comes first so that the normalized differences use its errors. Both
    // files are written for the survey as it is in its file: their rows of the data
    // left out go with those data.
    if (!request.logFile.empty() && doc.defaultErrors && !doc.ReadDefaultErrors(request.logFile)) {
        return OpenOutcome::EndProcess;
    }
    if (!request.predictedFile.empty()) {
        doc.predictedFileName = request.predictedFile;
        doc.ReadPredictedFile(doc.predictedFileName);
    }
    if (!leftOut.empty()) {
        RemoveRecords(doc.observations, leftOut);
        doc.dataCount = static_cast<int32_t>(doc.observations.size());
        doc.ProcessData();
    }
    doc.dataReady = true;
    doc.UpdateAllViews(0);
    // A survey opened without some of its data differs from its file.
    doc.SetModifiedFlag(!leftOut.empty());
    return OpenOutcome::Opened;
}

}  // namespace

OpenOutcome OpenSurvey(CDatDoc& doc, const OpenRequest& request,
                       const std::function<bool(CDatDoc&)>& readSurvey) {
    std::vector<size_t> leftOut;
    OpenOutcome outcome;
    {
        const FinishProgress finish(doc.progress());
        outcome = RunSequence(doc, request, readSurvey, leftOut);
    }
    // Said once the long work is over, so that its end does not wipe the words out.
    if (outcome == OpenOutcome::Opened && !leftOut.empty()) {
        doc.prompts().StatusMessage(
            CFormat("%zu data with the wrong sign left out.", leftOut.size()));
    }
    return outcome;
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
