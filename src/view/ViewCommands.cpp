// The commands the view handles, with their enabling and check rules.
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"
#include "view/DatView.h"

namespace oskava {

void CDatView::BindCommands() {
    const auto ready = [this] { return CommandState{Ready(), false}; };
    const auto readyAnd = [this](auto condition) {
        return [this, condition] { return CommandState{Ready() && condition(), false}; };
    };
    commands_.Bind(
        command::Interpolate, [this] { ToggleInterpolate(); },
        [this] {
            return CommandState{Ready(), interpolate};
        });
    commands_.Bind(
        command::DataPoints, [this] { ToggleDataPoints(); },
        [this] {
            return CommandState{Ready() && interpolate, showDataPoints};
        });
    commands_.Bind(
        command::Errors, [this] { ToggleErrors(); },
        [this] {
            return CommandState{Ready(), showErrors};
        });
    commands_.Bind(
        command::PredictedData, [this] { TogglePredicted(); },
        [this] {
            return CommandState{doc_.predictedLoaded, showPredicted};
        });
    commands_.Bind(
        command::Difference, [this] { ToggleDifference(); },
        [this] {
            return CommandState{doc_.predictedLoaded, showDifference};
        });
    commands_.Bind(
        command::IpUnits, [this] { ChooseIpUnits(); },
        [this] {
            return CommandState{!doc_.isDC, false};
        });
    commands_.Bind(command::EditCopy, [this] { Copy(); });
    commands_.Bind(command::ColourBw, [this] { ToggleColourMode(); });
    commands_.Bind(
        command::FlipColours, [this] { FlipColours(); },
        [this] {
            return CommandState{true, coloursFlipped};
        });
    commands_.Bind(
        command::Log10, [this] { ToggleLogLabels(); },
        [this] {
            return CommandState{doc_.isDC && Ready(), logLabels};
        });
    commands_.Bind(
        command::ConductivityResistivity, [this] { ToggleConductivity(); },
        readyAnd([this] { return doc_.isDC; }));
    commands_.Bind(
        command::MinMax, [this] { EditRanges(); }, ready);
    commands_.Bind(
        command::ZoomIn, [this] { ZoomIn(); },
        [this] {
            return CommandState{CanZoomIn(), false};
        });
    commands_.Bind(
        command::ZoomOut, [this] { ZoomOut(); },
        [this] {
            return CommandState{CanZoomOut(), false};
        });
    commands_.Bind(
        command::ZoomFit, [this] { ZoomToFit(); }, ready);
    commands_.Bind(
        command::FontDecrease, [this] { FontDecrease(); },
        readyAnd([this] { return fontHeight > 100; }));
    commands_.Bind(
        command::FontIncrease, [this] { FontIncrease(); },
        readyAnd([this] { return fontHeight < 2000; }));
}

}  // namespace oskava
