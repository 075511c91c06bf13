// The title lines above the panels: the survey's own title with its number of data,
// what panel 1 shows and, with a second panel, what that one shows. A line too long
// to stand centred on the drawing surface starts at the surface's left margin and is
// cut with "..." before its right margin, measured with the canvas's text width so
// that the window, the clipboard and every picture file cut it alike.
#include <algorithm>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "view/DatView.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

// Space kept free at each side of the surface by a title that does not fit centred,
// logical units.
constexpr int32_t kTitleMargin = 200;
const char kEllipsis[] = "...";

// The text when it is at most room pixels wide; else the longest start of it that,
// with "..." after it, is: cut only between characters, without the blanks before the
// cut. Empty when not even "..." fits.
std::string CutToWidth(const Canvas& canvas, const std::string& text, int32_t room) {
    const auto shortened = [&text](size_t length) {
        std::string start = text.substr(0, length);
        start.erase(start.find_last_not_of(' ') + 1);
        return start + kEllipsis;
    };
    if (canvas.TextWidth(text) <= room) {
        return text;
    }
    if (canvas.TextWidth(kEllipsis) > room) {
        return "";
    }
    // Widths grow with the length: find the longest start that fits by halving.
    size_t fits = 0;
    size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const size_t middle = fits + (tooLong - fits) / 2;
        if (canvas.TextWidth(shortened(middle)) <= room) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return shortened(fits);
}

}  // namespace

void CDatView::DrawTitles(Canvas& canvas) {
    titleLines_.clear();
    DrawTitleLine(canvas, -1100, doc_.headerLine + CFormat(" : %i data", doc_.dataCount));
    std::string observed = "Observed Apparent ";
    if (doc_.isDC) {
        observed += logLabels ? "Log " : "";
        observed += showConductivity ? "Conductivity" : "Resistivity";
    } else {
        observed += "Chargeability";
    }
    DrawTitleLine(canvas, -600, observed);
    if (!secondPanel) {
        return;
    }
    std::string second;
    if (showErrors) {
        second = doc_.isDC ? "Errors in Voltages (%)" : "Standard Deviations of Data";
        second += doc_.defaultErrors ? "  (Default)" : "";
    } else if (showPredicted) {
        second = "Predicted Data";
    } else if (showDifference) {
        second =
            CFormat("Observed - Predicted (Normalized by Stn Dev), data misfit = %.1f", misfit);
    }
    DrawTitleLine(canvas, RoundCoord(depthExtent - 600 + 3000), second);
}

void CDatView::DrawTitleLine(Canvas& canvas, int32_t y, const std::string& text) {
    const int32_t surfaceLeft = PanelOrigin(0).x;
    const int32_t surfaceRight = surfaceLeft + SurfaceSize(1).cx;
    const auto deviceX = [&canvas, y](int32_t x) { return canvas.LPtoDP(Point{x, y}).x; };
    const Point centre{RoundCoord(widthExtent * 0.5), y};
    const int32_t width = canvas.TextWidth(text);
    // Where a centred text starts, as every canvas places it.
    int32_t start = deviceX(centre.x) - width / 2;
    std::string shown = text;
    if (start >= deviceX(surfaceLeft) && start + width <= deviceX(surfaceRight)) {
        canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Baseline});
        canvas.TextOut(centre, text);
    } else {
        start = deviceX(surfaceLeft + kTitleMargin);
        shown = CutToWidth(canvas, text, deviceX(surfaceRight - kTitleMargin) - start);
        canvas.SetTextAlign(TextAlign{HAlign::Left, VAlign::Baseline});
        canvas.TextOut(Point{surfaceLeft + kTitleMargin, y}, shown);
    }
    // The line's place on the surface, from a cell height above the baseline to a
    // quarter of it below (the descenders).
    const Point origin = canvas.GetViewportOrg();
    const int32_t baseline = canvas.LPtoDP(Point{0, y}).y - origin.y;
    const int32_t cell = canvas.LengthToDevice(canvas.CurrentFont().height);
    titleLines_.push_back(
        TitleLine{Rect{start - origin.x, baseline - cell,
                       start - origin.x + canvas.TextWidth(shown), baseline + cell / 4},
                  text});
}

}  // namespace oskava
