// info: a summary of the opened survey as "key: value" lines.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/SurveyOptions.h"
#include "survey/CFormat.h"
#include "survey/Misfit.h"

namespace oskava::cli {

namespace {

void PrintLine(const std::string& key, const std::string& value) {
    std::printf("%s: %s\n", key.c_str(), value.c_str());
}

std::string Pair(double first, double second) {
    return Number(first) + " " + Number(second);
}

void PrintInfo(const CDatDoc& doc) {
    PrintLine("layout", doc.commonCurrent ? "common-current" : "general");
    PrintLine("data", CFormat("%d", doc.dataCount));
    PrintLine("default errors", doc.defaultErrors ? "yes" : "no");
    PrintLine("x range", Pair(doc.xMin, doc.xMax));
    PrintLine("max pseudo-depth", Number(doc.maxPseudoDepth));
    PrintLine("display range", Pair(doc.valueMin, doc.valueMax));
    PrintLine("separations", Pair(doc.minSeparation, doc.maxSeparation));
    PrintLine("topography",
              doc.hasTopography ? CFormat("%zu points", doc.topoX.size()) : std::string("none"));
    PrintLine("predicted", doc.predictedLoaded ? "yes" : "no");
    if (doc.predictedLoaded) {
        PrintLine("misfit", Number(DataMisfit(doc.observations)));
    }
}

}  // namespace

void RegisterInfoCommand(CLI::App& app, CommandContext& context) {
    AddSurveyCommand(app, context, "info", "Print a summary of the survey", [](CDatDoc& doc) {
        PrintInfo(doc);
        return kDone;
    });
}

}  // namespace oskava::cli
