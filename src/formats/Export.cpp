#include "formats/Export.h"

#include <algorithm>

#include "survey/FilePaths.h"
#include "survey/SafeFileWrite.h"

namespace oskava {

double ElectrodeElevation(const CDatDoc& doc, double x) {
    return doc.hasTopography ? doc.topoReference - doc.InterpolateSurfaceDepth(x) : 0;
}

bool ExportsStdDevs(const CDatDoc& doc) {
    return !doc.defaultErrors && std::any_of(doc.observations.begin(), doc.observations.end(),
                                             [](const Cobs& record) { return record.stdDev > 0; });
}

std::vector<std::string> SurveyInputs(const CDatDoc& doc) {
    return {doc.dataFileName, doc.topographyFileName, doc.predictedFileName};
}

bool ExportSurvey(const CDatDoc& doc, ForeignFormat format, const std::string& output,
                  const std::vector<std::string>& inputs) {
    Prompts& prompts = doc.prompts();
    for (const std::string& input : inputs) {
        if (!input.empty() && SameFile(output, input)) {
            prompts.Message(
                output + ": the survey is read from this file; export it to another one.",
                MessageKind::Error);
            return false;
        }
    }
    if (format == ForeignFormat::Res2DInv && !doc.isDC) {
        prompts.Message(output +
                            ": an IP survey is not written to a Res2DInv file, which carries IP "
                            "values beside apparent resistivities.",
                        MessageKind::Error);
        return false;
    }
    doc.progress().Stage("Exporting to " + output);
    const std::string text =
        format == ForeignFormat::Unified ? UnifiedText(doc) : Res2DInvText(doc);
    doc.progress().Finished();
    std::string reason;
    if (!WriteFileSafely(output, text, reason)) {
        prompts.Message(output + ": cannot be written: " + reason, MessageKind::Error);
        return false;
    }
    return true;
}

}  // namespace oskava
