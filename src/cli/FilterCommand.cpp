// filter: deletes the data whose chosen quantity lies outside a range, as Edit >
// Filter data does with its question answered yes, and writes the survey as Save As
// would; --histogram writes the dialog's histogram with the range drawn on it.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "analysis/DataFilter.h"
#include "cli/Commands.h"
#include "cli/PlotOutput.h"
#include "cli/StderrPrompts.h"
#include "cli/SurveyOptions.h"

namespace oskava::cli {

namespace {

struct FilterOptions {
    SurveyOptions survey;
    std::string quantity;
    std::optional<std::string> min;  // as typed in the dialog's fields
    std::optional<std::string> max;
    std::string output;
    std::string histogram;  // empty: none
};

/// The dialog answered from the options and checked by its own rules; the deletion
/// question is answered yes. The histogram is the one the dialog shows on Apply.
class FilterPrompts : public StderrPrompts {
  public:
    explicit FilterPrompts(const FilterOptions& options) : StderrPrompts(true), options_(options) {}

    DialogResult EditFilter(const CDatDoc& doc, FilterFields& fields) override {
        const Refusal refusal =
            ReadFilterEntries(doc, options_.quantity, options_.min, options_.max, fields);
        if (refusal.Refused()) {
            Message(refusal.message, MessageKind::Error);
            refused_ = true;
            return DialogResult::Cancel;
        }
        const QuantityNames& names = NamesOf(fields.quantity);
        histogram_.emplace(QuantityValues(doc, fields.quantity), names.decades, names.title);
        keep_ = KeepRange{fields.min, fields.max};
        return DialogResult::Ok;
    }
    bool Refused() const { return refused_; }

    /// Writes the histogram; false, with the reason on standard error, when it cannot.
    bool WriteHistogram(const std::string& path) const {
        return WritePlot(path,
                         [this](Canvas& canvas) { histogram_->Draw(canvas, kPlotSize, keep_); });
    }

  private:
    const FilterOptions& options_;
    bool refused_ = false;
    std::optional<Histogram> histogram_;
    KeepRange keep_;
};

int Filter(const FilterOptions& options) {
    FilterPrompts prompts(options);
    CDatDoc doc(prompts);
    if (!OpenSurveyForCommand(doc, options.survey)) {
        return kFailed;
    }
    doc.journal().StopRecording();  // nothing is undone here
    const int32_t all = doc.dataCount;
    FilterState state;
    FilterDataCommand(doc, state);
    if (prompts.Refused()) {
        return kBadUsage;
    }
    std::printf("deleted %d of %d\n", all - doc.dataCount, all);
    std::fflush(stdout);
    if (!options.histogram.empty() && !prompts.WriteHistogram(options.histogram)) {
        return kFailed;
    }
    // As Save As is disabled in the viewer, a survey without data is not written.
    if (!doc.DataCommandsEnabled()) {
        prompts.Message(options.output + " not written: the survey holds no data.",
                        MessageKind::Error);
        return kFailed;
    }
    return doc.OnSaveDocument(options.output) ? kDone : kFailed;
}

}  // namespace

void RegisterFilterCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<FilterOptions>();
    CLI::App* command = app.add_subcommand(
        "filter", "Delete the data whose quantity lies outside a range, and save");
    AddSurveyOptions(*command, options->survey);
    command
        ->add_option("--quantity", options->quantity,
                     "rhoa, misfit, relerr, k, datum, depth (DC) or ip, misfit, relerr, k, depth "
                     "(IP)")
        ->required();
    command->add_option("--min", options->min, "Smallest value kept (default: no limit)")
        ->type_name("X");
    command->add_option("--max", options->max, "Largest value kept (default: no limit)")
        ->type_name("Y");
    command->add_option("-o", options->output, "Observation file to write")->required();
    AddPlotOption(*command, "--histogram", options->histogram,
                  "Histogram with the range drawn: .png, .svg or .pdf");
    command->callback([options, &context] { context.status = Filter(*options); });
}

}  // namespace oskava::cli
