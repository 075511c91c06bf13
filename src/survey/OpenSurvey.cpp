#include "survey/OpenSurvey.h"

namespace oskava {

OpenOutcome OpenSurvey(CDatDoc& doc, const OpenRequest& request) {
    doc.dataFileName = request.dataFile;
    doc.topographyFileName = request.topographyFile;
    doc.isDC = request.isDC;
    doc.dataReady = false;
    doc.predictedLoaded = false;
    if (!doc.ReadDataFile(doc.dataFileName)) {
        return OpenOutcome::Failed;
    }
    if (!doc.ReadTopography(doc.topographyFileName)) {
        return OpenOutcome::EndProcess;
    }
    if (!doc.ProcessData()) {
        return OpenOutcome::Failed;
    }
    doc.dataReady = true;
    doc.UpdateAllViews(0);
    doc.SetModifiedFlag(false);
    return OpenOutcome::Opened;
}

}  // namespace oskava
