// dump: every record of the opened survey as CSV, one line per record in file order.
#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "cli/SurveyOptions.h"

namespace oskava::cli {

namespace {

void PrintRecords(const CDatDoc& doc) {
    std::fputs(
        "index,xa,xb,xm,xn,datum,stdDev,za,zb,zm,zn,hasB,hasN,insideAB,pseudoX,pseudoDepth,"
        "displayValue,predicted,predictedDisplayValue,normalizedDiff\n",
        stdout);
    std::string line;
    for (size_t i = 0; i < doc.observations.size(); ++i) {
        const Cobs& r = doc.observations[i];
        line = std::to_string(i);
        for (const double value :
             {r.xa, r.xb, r.xm, r.xn, r.datum, r.stdDev, r.za, r.zb, r.zm, r.zn}) {
            line += ',' + Number(value);
        }
        for (const bool flag : {r.hasB, r.hasN, r.insideAB}) {
            line += flag ? ",1" : ",0";
        }
        for (const double value : {r.pseudoX, r.pseudoDepth, r.displayValue}) {
            line += ',' + Number(value);
        }
        for (const double value : {r.predicted, r.predictedDisplayValue, r.normalizedDiff}) {
            line += ',';
            if (doc.predictedLoaded) {
                line += Number(value);
            }
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
}

}  // namespace

void RegisterDumpCommand(CLI::App& app, CommandContext& context) {
    AddSurveyCommand(app, context, "dump", "Print every record of the survey as CSV",
                     [](CDatDoc& doc) {
                         PrintRecords(doc);
                         return kDone;
                     });
}

}  // namespace oskava::cli
