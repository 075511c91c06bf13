// errors: the pairs of reciprocal and repeated DC data, their error model, and the
// edits the Error analysis window offers; electrode-misfit: the misfit by electrode
// as CSV. Either writes its window's plot with --plot.
#include <cstdio>
#include <memory>
#include <string>

#include "analysis/ElectrodeMisfit.h"
#include "analysis/ErrorAnalysis.h"
#include "analysis/ErrorEdits.h"
#include "analysis/ErrorPlot.h"
#include "analysis/MisfitChart.h"
#include "cli/Commands.h"
#include "cli/PlotOutput.h"
#include "cli/StderrPrompts.h"
#include "cli/SurveyOptions.h"

namespace oskava::cli {

namespace {

struct ErrorsOptions {
    SurveyOptions survey;
    std::string model = "linear";
    bool assign = false;
    std::string dropAbove;  // as typed in the window's field; empty: no deletion
    std::string output;
    std::string plot;  // empty: none
};

/// Writes the plot when one is named; false when it cannot be written.
bool WritePlotIfNamed(const std::string& path, const std::function<void(Canvas&)>& draw) {
    return path.empty() || WritePlot(path, draw);
}

void PrintAnalysis(const ErrorAnalysis& analysis) {
    std::printf("pairs %zu\nreciprocals %zu\nrepeats %zu\n", analysis.pairs.size(),
                analysis.reciprocals, analysis.repeats);
    if (analysis.model) {
        std::printf("model %s %s %s\n", ErrorModelName(analysis.model->kind),
                    Number(analysis.model->a).c_str(), Number(analysis.model->b).c_str());
    }
    std::printf("above10 %zu\n", analysis.above10);
}

// The edits asked for, in the window's order: the deletion, then standard deviations
// from the model of the pairs left. False, with why on standard error, when there is
// nothing to write.
bool Edit(CDatDoc& doc, const ErrorsOptions& options, ErrorModelKind kind, double dropAbove,
          ErrorAnalysis analysis) {
    const std::string notWritten = "\n" + options.output + " not written.";
    if (analysis.pairs.empty()) {
        doc.prompts().Message(kNoPairs + notWritten, MessageKind::Error);
        return false;
    }
    doc.journal().StopRecording();  // nothing is undone here
    if (!options.dropAbove.empty() && DeletePairsAbove(doc, analysis.pairs, dropAbove)) {
        if (!doc.DataCommandsEnabled()) {
            doc.prompts().Message(options.output + " not written: the survey holds no data.",
                                  MessageKind::Error);
            return false;
        }
        analysis = AnalyseErrors(doc.observations, kind);
    }
    if (options.assign) {
        if (!analysis.model) {
            const std::string why = analysis.pairs.empty() ? kNoPairs : analysis.noModel;
            doc.prompts().Message(why + notWritten, MessageKind::Error);
            return false;
        }
        if (!AssignModelStdDevs(doc, *analysis.model)) {
            return false;
        }
    }
    return doc.OnSaveDocument(options.output);
}

int RunErrors(const ErrorsOptions& options) {
    StderrPrompts prompts(true);
    if (options.survey.ip) {
        prompts.Message("Error analysis needs DC data.", MessageKind::Error);
        return kBadUsage;
    }
    double dropAbove = 0;
    if (!options.dropAbove.empty()) {
        const Refusal refusal = ReadDropAboveEntry(options.dropAbove, dropAbove);
        if (refusal.Refused()) {
            prompts.Message(refusal.message, MessageKind::Error);
            return kBadUsage;
        }
    }
    CDatDoc doc(prompts);
    if (!OpenSurveyForCommand(doc, options.survey)) {
        return kFailed;
    }
    const ErrorModelKind kind =
        options.model == "power" ? ErrorModelKind::Power : ErrorModelKind::Linear;
    const ErrorAnalysis analysis = AnalyseErrors(doc.observations, kind);
    PrintAnalysis(analysis);
    std::fflush(stdout);
    if (!WritePlotIfNamed(options.plot, [&analysis](Canvas& canvas) {
            DrawErrorScatter(canvas, kPlotSize, analysis);
        })) {
        return kFailed;
    }
    if (!options.assign && options.dropAbove.empty()) {
        return kDone;
    }
    return Edit(doc, options, kind, dropAbove, analysis) ? kDone : kFailed;
}

void PrintElectrodeMisfits(const std::vector<ElectrodeMisfit>& rows) {
    std::fputs("x,count,rms\n", stdout);
    for (const ElectrodeMisfit& row : rows) {
        std::printf("%s,%zu,%s\n", Number(row.x).c_str(), row.count, Number(row.rms).c_str());
    }
}

}  // namespace

void RegisterErrorCommands(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ErrorsOptions>();
    CLI::App* errors = app.add_subcommand(
        "errors", "Pair reciprocal and repeated DC data and fit an error model to them");
    AddSurveyOptions(*errors, options->survey);
    errors->add_option("--model", options->model, "Error model: linear (default) or power")
        ->check(CLI::IsMember({"linear", "power"}));
    CLI::Option* output = errors->add_option("-o", options->output, "Observation file to write");
    errors->add_flag("--assign", options->assign, "Assign standard deviations from the model")
        ->needs(output);
    errors
        ->add_option("--drop-above", options->dropAbove,
                     "Delete both readings of every pair differing by more than PCT %")
        ->type_name("PCT")
        ->needs(output);
    AddPlotOption(*errors, "--plot", options->plot,
                  "The Error analysis window's plot: .png, .svg or .pdf");
    errors->callback([options, &context] {
        if (!options->output.empty() && !options->assign && options->dropAbove.empty()) {
            throw CLI::ValidationError("-o", "is written only with --assign or --drop-above");
        }
        context.status = RunErrors(*options);
    });

    auto plot = std::make_shared<std::string>();
    CLI::App* misfit = AddSurveyCommand(
        app, context, "electrode-misfit",
        "Print the rms of the normalized differences by electrode position, as CSV",
        [plot](CDatDoc& doc) {
            if (!doc.predictedLoaded) {
                return kFailed;  // the predicted file's reader has said why
            }
            const std::vector<ElectrodeMisfit> rows = ElectrodeMisfits(doc.observations);
            PrintElectrodeMisfits(rows);
            std::fflush(stdout);
            const bool written = WritePlotIfNamed(*plot, [&](Canvas& canvas) {
                MisfitChart(rows, doc.xMin, doc.xMax, kPlotSize).Draw(canvas);
            });
            return written ? kDone : kFailed;
        });
    misfit->get_option("--pre")->required();
    AddPlotOption(*misfit, "--plot", *plot,
                  "The Misfit by electrode window's chart: .png, .svg or .pdf");
}

}  // namespace oskava::cli
