// render: the picture that the viewer's Copy puts on the clipboard, written to a PNG,
// SVG or PDF file. Every display option is reached by running the viewer's own
// commands on a view of the survey, in an order that keeps each command enabled, so
// that the picture is one the viewer shows.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/PictureOutput.h"
#include "cli/Commands.h"
#include "cli/HeadlessGui.h"
#include "cli/StderrPrompts.h"
#include "cli/SurveyOptions.h"
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"
#include "survey/DatProp.h"
#include "view/DatView.h"
#include "view/ViewHost.h"

namespace oskava::cli {

namespace {

struct RenderOptions {
    SurveyOptions survey;
    std::string output;
    std::string panel;  // empty: as the viewer opens the survey
    bool symbols = false;
    bool noPoints = false;
    bool grey = false;
    bool flip = false;
    bool logLabels = false;
    bool conductivity = false;
    std::optional<double> zoom;
    std::optional<int> fontHeight;
    std::vector<double> range;   // MIN MAX of panel 1, as typed in the Min / Max dialog
    std::vector<double> range2;  // MIN MAX of panel 2
    std::optional<int> ipUnits;
    std::optional<int> select;
};

/// The widest surface the viewer zooms to: Zoom In stops at 80000 pixels.
constexpr int kWidestSurface = 80000;

/// The dialogs answered from the options: the Min / Max dialog gets the ranges, the
/// IP Units dialog the unit index. A second opening of the Min / Max dialog means
/// that the view refused the values; it is cancelled.
class RenderPrompts : public StderrPrompts {
  public:
    explicit RenderPrompts(const RenderOptions& options) : options_(options) {}

    DialogResult EditMinMax(MinMaxFields& fields) override {
        if (minMaxOpened_) {
            rangesRefused_ = true;
            return DialogResult::Cancel;
        }
        minMaxOpened_ = true;
        if (options_.range.size() == 2) {
            fields.min1 = options_.range[0];
            fields.max1 = options_.range[1];
        }
        if (options_.range2.size() == 2) {
            fields.min2 = options_.range2[0];
            fields.max2 = options_.range2[1];
        }
        fields.reset = false;
        return DialogResult::Ok;
    }

    DialogResult ChooseIpUnits(int& unitIndex) override {
        unitIndex = options_.ipUnits.value_or(unitIndex);
        return DialogResult::Ok;
    }

    bool RangesRefused() const { return rangesRefused_; }

  private:
    const RenderOptions& options_;
    bool minMaxOpened_ = false;
    bool rangesRefused_ = false;
};

/// A refused option: printed like the tool's other usage errors, exit status 2.
[[noreturn]] void Refuse(const std::string& option, const std::string& reason) {
    throw CLI::ValidationError(option, reason);
}

/// Runs a view command as its menu item would, refusing the option when the viewer
/// would show the command disabled.
void RunCommand(const CDatView& view, int id, const std::string& option,
                const std::string& reason = "is not available for this survey") {
    if (!view.Commands().State(id).enabled) {
        Refuse(option, reason);
    }
    view.Commands().Execute(id);
}

/// The font commands step by 50 from 300 between 100 and 2000.
std::string FontHeightRefusal(const std::string& text) {
    const int height = std::atoi(text.c_str());
    return height >= 100 && height <= 2000 && height % 50 == 0
               ? std::string()
               : "must be 100 to 2000 in steps of 50";
}

void ApplyFontHeight(const CDatView& view, int height) {
    while (view.fontHeight < height) {
        RunCommand(view, command::FontIncrease, "--font-height");
    }
    while (view.fontHeight > height) {
        RunCommand(view, command::FontDecrease, "--font-height");
    }
}

void ApplyPanel(const CDatView& view, const std::string& panel) {
    const std::string needsPredicted = "needs predicted data (--pre)";
    if (panel == "none") {
        // The shown mode's own command turns it off.
        if (view.showErrors) {
            RunCommand(view, command::Errors, "--panel");
        } else if (view.showPredicted) {
            RunCommand(view, command::PredictedData, "--panel");
        } else if (view.showDifference) {
            RunCommand(view, command::Difference, "--panel");
        }
    } else if (panel == "errors" && !view.showErrors) {
        RunCommand(view, command::Errors, "--panel");
    } else if (panel == "predicted" && !view.showPredicted) {
        RunCommand(view, command::PredictedData, "--panel", "predicted " + needsPredicted);
    } else if (panel == "difference" && !view.showDifference) {
        RunCommand(view, command::Difference, "--panel", "difference " + needsPredicted);
    }
}

void ApplyZoom(CDatView& view, double zoom) {
    // The zoom commands scale the zoom by 1.1 and resize the surface; --zoom sets it
    // directly, within the sizes the viewer reaches.
    view.zoom = zoom;
    view.UpdateScrollSizes();
    if (view.totalSize.cx < 1 || view.totalSize.cy < 1 || view.totalSize.cx > kWidestSurface) {
        Refuse("--zoom", "gives a picture of " + std::to_string(view.totalSize.cx) + " x " +
                             std::to_string(view.totalSize.cy) +
                             " pixels; it must be 1 to 80000 pixels wide and 1 or more high");
    }
}

/// Marks the datum as a click on it does: the Data Properties window opens on it.
void SelectDatum(CDatDoc& doc, int index) {
    if (doc.dataCount == 0) {
        Refuse("--select", "there are no data to mark");
    }
    if (index < 0 || index >= doc.dataCount) {
        Refuse("--select", "must be a record index from 0 to " + std::to_string(doc.dataCount - 1));
    }
    doc.propertiesDialog = std::make_unique<CDatProp>();
    doc.selectedDatum = index;
}

/// Brings the view into the state the options describe; false when the Min / Max
/// dialog refused the ranges (its message is on standard error).
bool ApplyOptions(CDatView& view, const RenderOptions& options, const RenderPrompts& prompts) {
    if (options.fontHeight) {
        ApplyFontHeight(view, *options.fontHeight);
    }
    if (!options.panel.empty()) {
        ApplyPanel(view, options.panel);
    }
    // Outlines first: their command is enabled only while the image is shown.
    if (options.noPoints && view.showDataPoints) {
        RunCommand(view, command::DataPoints, "--no-points");
    }
    if (options.symbols && view.interpolate) {
        RunCommand(view, command::Interpolate, "--symbols");
    }
    if (options.grey) {
        RunCommand(view, command::ColourBw, "--grey");
    }
    if (options.flip) {
        RunCommand(view, command::FlipColours, "--flip");
    }
    // IP data are always labelled with logarithms of conductivity.
    if (options.logLabels && !view.logLabels) {
        RunCommand(view, command::Log10, "--log10", "applies to DC data only");
    }
    if (options.conductivity && !view.showConductivity) {
        RunCommand(view, command::ConductivityResistivity, "--conductivity",
                   "applies to DC data only");
    }
    if (options.ipUnits) {
        RunCommand(view, command::IpUnits, "--ip-units", "applies to IP data only (--ip)");
    }
    if (options.zoom) {
        ApplyZoom(view, *options.zoom);
    }
    if (!options.range2.empty() && !view.secondPanel) {
        Refuse("--range2", "needs a second panel");
    }
    if (!options.range.empty() || !options.range2.empty()) {
        RunCommand(view, command::MinMax, "--range");
        if (prompts.RangesRefused()) {
            return false;
        }
    }
    if (options.select) {
        SelectDatum(view.GetDocument(), *options.select);
    }
    return true;
}

void AddRenderOptions(CLI::App& command, RenderOptions& options) {
    AddSurveyOptions(command, options.survey);
    command.add_option("-o", options.output, "Picture to write: .png, .svg or .pdf")
        ->required()
        ->check([](const std::string& path) {
            return PictureFormatOf(path) ? std::string() : "must end in .png, .svg or .pdf";
        });
    command
        .add_option("--panel", options.panel,
                    "Second panel: none, errors, predicted or difference (default: predicted "
                    "when predicted data are read, else none)")
        ->check(CLI::IsMember({"none", "errors", "predicted", "difference"}));
    command.add_flag("--symbols", options.symbols, "One symbol per datum instead of the image");
    command.add_flag("--no-points", options.noPoints, "No outlines of the data over the image");
    command.add_flag("--grey", options.grey, "Grey scale instead of colours");
    command.add_flag("--flip", options.flip, "Colour scale in reverse order");
    command.add_flag("--log10", options.logLabels, "Label the colour bars with logarithms");
    command.add_flag("--conductivity", options.conductivity,
                     "Label DC data as conductivity (default: resistivity)");
    command.add_option("--zoom", options.zoom,
                       "Device pixels per logical unit (the viewer starts at 0.05)");
    command
        .add_option("--font-height", options.fontHeight,
                    "Label font height in logical units, 100 to 2000 in steps of 50 "
                    "(default 300)")
        ->check(FontHeightRefusal);
    command
        .add_option("--range", options.range,
                    "Colour range of panel 1 as the Min / Max "
                    "dialog takes it")
        ->expected(2)
        ->type_name("MIN MAX");
    command.add_option("--range2", options.range2, "Colour range of panel 2 likewise")
        ->expected(2)
        ->type_name("MIN MAX");
    command
        .add_option("--ip-units", options.ipUnits,
                    "IP units: 0 default, 1 mrad, 2 PFE (%), 3 msec, 4 x100")
        ->check(CLI::Range(0, 4));
    command.add_option("--select", options.select, "Mark record I (from 0) as a click on it does");
}

int Render(const RenderOptions& options) {
    if (options.zoom && !(std::isfinite(*options.zoom) && *options.zoom > 0)) {
        Refuse("--zoom", "must be a positive number");
    }
    HeadlessGui gui;
    RenderPrompts prompts(options);
    CDatDoc doc(prompts);
    HeadlessViewHost host;
    CDatView view(doc, host);
    if (!OpenSurveyForCommand(doc, options.survey)) {
        return kFailed;
    }
    if (!ApplyOptions(view, options, prompts)) {
        return kBadUsage;
    }
    const QSize size(view.totalSize.cx, view.totalSize.cy);
    const std::string failure =
        WritePicture(options.output, *PictureFormatOf(options.output), size,
                     [&view](Canvas& canvas) { view.RenderSurface(canvas); });
    if (!failure.empty()) {
        std::fprintf(stderr, "error: cannot write %s: %s\n", options.output.c_str(),
                     failure.c_str());
        return kFailed;
    }
    return kDone;
}

}  // namespace

void RegisterRenderCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render", "Draw the survey as the viewer's Copy does, to a PNG, SVG or PDF file");
    AddRenderOptions(*command, *options);
    command->callback([options, &context] { context.status = Render(*options); });
}

}  // namespace oskava::cli
