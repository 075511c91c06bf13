// The colour bar at the right of each panel with its seven labels and the unit below
// it, and the commands that change only colours or labels.
#include <cmath>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "view/DatView.h"
#include "view/Rounding.h"

namespace oskava {

double CDatView::LabelledValue(double stored) const {
    double v = showConductivity ? stored : -stored;
    if (!logLabels) {
        v = std::pow(10.0, v);
    }
    return doc_.ipUnits == 4 ? v * 100 : v;
}

std::string CDatView::UnitLabel() const {
    if (doc_.isDC) {
        return std::string(logLabels ? "Log " : "") + (showConductivity ? "S / m" : "Ohm - m");
    }
    switch (doc_.ipUnits) {
        case 1:
            return "mrad";
        case 2:
            return "PFE (%)";
        case 3:
            return "msec";
        case 4:
            return "x100";
        default:
            return "";
    }
}

void CDatView::DrawColourBar(Canvas& canvas, bool raw, double max, double min) const {
    const double H = 1.5 * depthExtent;
    const double h = H / 61;
    const int32_t q = TruncCoord(depthExtent * 0.25);
    const int32_t x0 = TruncCoord(widthExtent);
    // The labelled quantity always runs from its lowest value at the bottom to its
    // highest at the top; resistivity reverses the stored conductivities.
    const bool ascending = showConductivity || raw;
    for (int k = 1; k <= 61; ++k) {
        const int index = ascending ? k - 1 : 61 - k;
        const int32_t top = RoundCoord(H - k * h) - q;
        canvas.FillSolidRect(Rect{x0 + 1200, top, x0 + 1500, top + RoundCoord(h + 1)},
                             colourTable[index]);
    }
    canvas.SetTextAlign(TextAlign{HAlign::Left, VAlign::Baseline});
    const double step = (max - min) / 6;
    for (int j = 0; j <= 6; ++j) {
        const int t = ascending ? j : 6 - j;
        double v = t * step + min;
        if (!raw) {
            v = LabelledValue(v);
        } else if (j == 3 && max > std::fabs(v) * 1e10) {
            v = 0;  // a range symmetric about zero shows an exact zero in the middle
        }
        const int32_t y = RoundCoord(H - j * H / 6) - q;
        canvas.TextOut(Point{x0 + 1800, y}, CFormat("%.2e", v));
        canvas.MoveTo(Point{x0 + 1600, y});
        canvas.LineTo(Point{x0 + 1500, y});
    }
}

void CDatView::ToggleColourMode() {
    colourMode = !colourMode;
    colourTable = BuildColourTable(colourMode, coloursFlipped);
    RepaintAll();
}

void CDatView::FlipColours() {
    coloursFlipped = !coloursFlipped;
    colourTable = BuildColourTable(colourMode, coloursFlipped);
    RepaintAll();
}

void CDatView::ToggleLogLabels() {
    logLabels = !logLabels;
    RepaintAroundPanels();
}

void CDatView::ToggleConductivity() {
    showConductivity = !showConductivity;
    RepaintAroundPanels();
}

}  // namespace oskava
