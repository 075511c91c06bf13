// What the status bar says of the point under the mouse pointer: a title line in
// full, a datum under its marker with the value its panel shows, or the position and
// pseudo-depth over a panel.
#include <algorithm>
#include <cmath>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava {

namespace {

bool Holds(const Rect& r, Point p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

// A value with its name and unit, e.g. "apparent resistivity 123.4 Ohm - m".
std::string Quantity(const std::string& name, double value, const std::string& unit) {
    return name + CFormat(" %.4g", value) + (unit.empty() ? "" : " " + unit);
}

}  // namespace

std::string CDatView::PointerReadout(Point device, Point scrollPosition) const {
    if (!doc_.dataReady) {
        return "";
    }
    const Point onSurface{device.x + scrollPosition.x, device.y + scrollPosition.y};
    for (const TitleLine& line : titleLines_) {
        if (Holds(line.onSurface, onSurface)) {
            return line.text;
        }
    }
    if (!mapped_) {
        return "";
    }
    // The click's conversion: a point in panel 2 counts at the same place in panel 1.
    RecordingCanvas mapping;
    PrepareCanvas(mapping, scrollPosition);
    Point logical = mapping.DPtoLP(device);
    const double panelShift = depthExtent + 3000;
    int panel = 0;
    if (secondPanel && logical.y > panelShift) {
        logical.y -= static_cast<int32_t>(panelShift);
        panel = 1;
    }
    const int32_t datum = doc_.DatumAt(logical.x, logical.y);
    if (datum >= 0) {
        return DatumReadout(doc_.observations[static_cast<size_t>(datum)], panel);
    }
    // A panel reaches from the top of the band kept free above the ground to the x
    // axis's labels, and a little beyond the ends of the line.
    if (logical.x < -400 || logical.x > widthExtent + 400 || logical.y < -200 ||
        logical.y >= depthExtent + 400) {
        return "";
    }
    // The pointer's place without the rounding to whole logical units, in metres to as
    // many decimals as make one pixel's step show.
    const double perPixel = double(mapping.GetWindowExt().cx) / mapping.GetViewportExt().cx;
    const double x = doc_.xMin + (device.x + scrollPosition.x) * perPixel / scale +
                     (mapping.GetWindowOrg().x) / scale;
    const double depth = ((device.y + scrollPosition.y) * perPixel + mapping.GetWindowOrg().y -
                          (panel == 1 ? panelShift : 0)) /
                         scale;
    const int decimals =
        std::clamp(static_cast<int>(std::ceil(-std::log10(perPixel / scale))), 0, 6);
    return CFormat("x %.*f m, pseudo-depth %.*f m", decimals, x + 0.0, decimals, depth + 0.0);
}

std::string CDatView::DatumReadout(const Cobs& record, int panel) const {
    std::string text = CFormat("A %g m", record.xa);
    if (record.hasB) {
        text += CFormat(", B %g m", record.xb);
    }
    text += CFormat(", M %g m", record.xm);
    if (record.hasN) {
        text += CFormat(", N %g m", record.xn);
    }
    text += ": ";
    if (panel == 1 && showErrors) {
        return text + (doc_.isDC ? Quantity("error", ErrorValue(record), "%")
                                 : Quantity("standard deviation", ErrorValue(record), ""));
    }
    if (panel == 1 && showDifference) {
        return text + Quantity("normalized difference", record.normalizedDiff, "");
    }
    std::string name = panel == 1 ? "predicted apparent " : "apparent ";
    if (doc_.isDC) {
        name += logLabels ? "log " : "";
        name += showConductivity ? "conductivity" : "resistivity";
    } else {
        name += "chargeability";
    }
    const double stored = panel == 1 ? record.predictedDisplayValue : record.displayValue;
    return text + Quantity(name, LabelledValue(stored), UnitLabel());
}

}  // namespace oskava
