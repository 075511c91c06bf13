// The drawing of the view: titles, one or two panels with ground line or topography,
// symbols or the interpolated image, data-point outlines, x axis, colour bar and unit
// label, and the mark of the selected datum.
#include <algorithm>
#include <cmath>

#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "survey/ParallelParts.h"
#include "view/DatView.h"
#include "view/MappingCanvas.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

const Colour kWhite = Rgb(255, 255, 255);
const Colour kBlack = Rgb(0, 0, 0);

Rect ToRect(const ScreenRect& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

FontDescription LabelFont(int32_t height) {
    return FontDescription{height, 400, false, ""};
}
FontDescription TitleFont(int32_t height) {
    return FontDescription{height + 100, 700, false, ""};
}

// The arrow at the first electrode of a pair and, for a pair of two electrodes, the
// bar to the second one with its arrow and a ring in the middle of the bar.
void DrawElectrodePair(Canvas& canvas, double first, double second, double firstDepth,
                       double secondDepth, double xMin, double scale, int32_t stem) {
    const int32_t x1 = RoundCoord((first - xMin) * scale);
    const int32_t x2 = RoundCoord((second - xMin) * scale);
    const int32_t y1 = RoundCoord(firstDepth * scale);
    const int32_t y2 = RoundCoord(secondDepth * scale);
    canvas.MoveTo(Point{x1, y1});
    canvas.LineTo(Point{x1 - 60, y1 - 60});
    canvas.MoveTo(Point{x1, y1});
    canvas.LineTo(Point{x1 + 60, y1 - 60});
    canvas.MoveTo(Point{x1, y1});
    canvas.LineTo(Point{x1, y1 - stem});
    if (x2 == x1) {
        return;
    }
    canvas.LineTo(Point{x2, y2 - stem});
    canvas.LineTo(Point{x2, y2});
    canvas.LineTo(Point{x2 - 60, y2 - 60});
    canvas.MoveTo(Point{x2, y2});
    canvas.LineTo(Point{x2 + 60, y2 - 60});
    const int32_t cx = (x1 + x2) / 2;
    const int32_t cy = (y1 + y2) / 2 - stem;
    canvas.Ellipse(Rect{cx - 20, cy - 20, cx + 30, cy + 30});
}

}  // namespace

RasterOp CDatView::MarkRasterOp(const Canvas& canvas) const {
    // Vector outputs cannot invert what lies below; they draw outlines and marks in
    // black instead.
    return canvas.SupportsInversion() ? RasterOp::Invert : RasterOp::Copy;
}

void CDatView::EraseBackground(Canvas& canvas) const {
    // One logical unit more on every side: the clip box comes back from device pixels
    // rounded, and at zooms above 1 it could otherwise miss a pixel at its edges.
    const Rect clip = canvas.GetClipBox();
    canvas.FillSolidRect(Rect{clip.left - 1, clip.top - 1, clip.right + 1, clip.bottom + 1},
                         kWhite);
}

void CDatView::RenderSurface(Canvas& canvas) {
    // panelRect and the title lines describe the window on screen, for clicks and the
    // pointer readout; this drawing does not change it.
    const std::array<Rect, 2> screenPanels = panelRect;
    std::vector<TitleLine> screenTitles = titleLines_;
    PrepareCanvas(canvas, Point{0, 0});
    EraseBackground(canvas);
    OnDraw(canvas);
    panelRect = screenPanels;
    titleLines_ = std::move(screenTitles);
}

void CDatView::OnDraw(Canvas& canvas) {
    if (!doc_.dataReady) {
        return;
    }
    const FontDescription previousFont = canvas.SelectFont(LabelFont(fontHeight));
    if (mapped_) {
        const Rect panelArea{-400, 0, RoundCoord(widthExtent + 400),
                             RoundCoord(depthExtent + 1000)};
        // The second panel's image is computed on another core while the first panel
        // is drawn, on a copy of the canvas's mapping at the second panel's origin.
        const bool secondImage = secondPanel && interpolate;
        const MappingCanvas secondMapping(canvas, PanelOrigin(1));
        std::vector<uint8_t> secondShades;
        RunParts(secondImage ? 2 : 1, [&](int part) {
            if (part == 1) {
                secondShades =
                    InterpolatedShades(secondMapping, mesh.secondValues, range2Min, range2Max);
                return;
            }
            panelRect[0] = canvas.LPtoDP(panelArea);
            DrawPanel(canvas, mesh.displayValues, rangeMin, rangeMax, false);
            canvas.TextOut(
                Point{RoundCoord(widthExtent + 1200), RoundCoord(1.5 * depthExtent + 400)},
                UnitLabel());
        });
        if (secondPanel) {
            canvas.SetWindowOrg(PanelOrigin(1));
            panelRect[1] = canvas.LPtoDP(panelArea);
            DrawPanel(canvas, mesh.secondValues, range2Min, range2Max, showErrors || showDifference,
                      secondImage ? &secondShades : nullptr);
            canvas.SetWindowOrg(PanelOrigin(0));
        }
    } else if (!unmappedNotice_.empty()) {
        canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Baseline});
        canvas.TextOut(Point{RoundCoord(widthExtent * 0.5), 400}, unmappedNotice_);
    }
    canvas.SelectFont(TitleFont(fontHeight));
    DrawTitles(canvas);
    canvas.SelectFont(previousFont);
}

void CDatView::DrawPanel(Canvas& canvas, const std::vector<double>& values, double min, double max,
                         bool raw, const std::vector<uint8_t>* shades) {
    DrawGroundLine(canvas);
    const Pen previousPen = canvas.SelectPen(Pen::NullPen());
    DrawData(canvas, values, min, max, shades);
    canvas.ResetClip();
    canvas.SelectPen(Pen::BlackPen());
    canvas.SetTransparentBackground();
    DrawXAxis(canvas);
    DrawColourBar(canvas, raw, max, min);
    canvas.SelectPen(previousPen);
    MarkSelectedDatum(canvas, doc_.selectedDatum);
}

void CDatView::DrawGroundLine(Canvas& canvas) const {
    // A profile of fewer than two points has no segment to draw or to clip with.
    if (doc_.hasTopography && doc_.topoX.size() >= 2 &&
        doc_.topoDepth.size() == doc_.topoX.size()) {
        DrawTopography(canvas);
        return;
    }
    canvas.MoveTo(Point{0, 0});
    canvas.LineTo(Point{RoundCoord(widthExtent), 0});
}

void CDatView::DrawTopography(Canvas& canvas) const {
    const std::vector<double>& tx = doc_.topoX;
    const std::vector<double>& td = doc_.topoDepth;
    const size_t n = tx.size();
    // The depth at an end of the line on the profile segment [i - 1, i] that holds it;
    // an end beyond the profile takes its first or last segment extended.
    const auto depthAt = [&](size_t i, double x) {
        if (i == 0 || i == n) {
            return doc_.InterpolateSurfaceDepth(x);
        }
        return td[i] + (td[i] - td[i - 1]) / (tx[i] - tx[i - 1]) * (x - tx[i]);
    };
    const auto logical = [&](double x, double depth) {
        return Point{RoundCoord((x - doc_.xMin) * scale), RoundCoord(depth * scale)};
    };
    size_t i = 0;
    while (i < n && doc_.xMin >= tx[i]) {
        ++i;
    }
    canvas.MoveTo(Point{0, RoundCoord(depthAt(i, doc_.xMin) * scale)});
    size_t k = i;
    for (; k < n && tx[k] <= doc_.xMax; ++k) {
        canvas.LineTo(logical(tx[k], td[k]));
    }
    canvas.LineTo(Point{RoundCoord(widthExtent), RoundCoord(depthAt(k, doc_.xMax) * scale)});

    // Nothing is painted between Y = -200 and the profile lowered by a quarter of the
    // smallest separation, so that the data never hide the ground line.
    std::vector<Point> band;
    band.reserve(n + 2);
    for (size_t p = 0; p < n; ++p) {
        band.push_back(logical(tx[p], td[p] + doc_.minSeparation * 0.25));
    }
    band.push_back(Point{RoundCoord(widthExtent), -200});
    band.push_back(Point{0, -200});
    canvas.ExcludeClipPolygon(band);
}

void CDatView::DrawData(Canvas& canvas, const std::vector<double>& values, double min, double max,
                        const std::vector<uint8_t>* shades) const {
    // A node whose record is gone (the mesh is older than an edit) has no marker.
    const auto hasRecord = [&](size_t node) {
        return static_cast<size_t>(mesh.order[node]) - 1 < doc_.observations.size();
    };
    if (!interpolate) {
        const size_t nodes = std::min(mesh.order.size(), values.size());
        nodeMarkers_.ForEachDrawn(canvas, nodes, [&](size_t i) {
            // An infinite or undefined value has no colour: its symbol is left out.
            if (!hasRecord(i) || !std::isfinite(values[i])) {
                return;
            }
            const Brush previous = canvas.SelectBrush(
                Brush::SolidBrush(colourTable[ColourIndex(values[i], min, max)]));
            canvas.Ellipse(ToRect(nodeMarkers_[i]));
            canvas.SelectBrush(previous);
        });
        return;
    }
    if (shades != nullptr) {
        PaintShades(canvas, *shades);
    } else {
        PaintInterpolatedImage(canvas, values, min, max);
    }
    if (!showDataPoints) {
        return;
    }
    const Brush previousBrush = canvas.SelectBrush(Brush::NullBrush());
    const Pen previousPen = canvas.SelectPen(Pen::BlackPen());
    const RasterOp previousOp = canvas.SetRasterOp(MarkRasterOp(canvas));
    nodeMarkers_.ForEachDrawn(canvas, mesh.order.size(), [&](size_t i) {
        if (hasRecord(i)) {
            canvas.Ellipse(ToRect(nodeMarkers_[i]));
        }
    });
    canvas.SelectBrush(previousBrush);
    canvas.SelectPen(previousPen);
    canvas.SetRasterOp(previousOp);
}

void CDatView::DrawXAxis(Canvas& canvas) const {
    const double span = doc_.xMax - doc_.xMin;
    const double step = span / 6;
    const int32_t yl = RoundCoord(depthExtent) + 400;
    canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Top});
    for (int j = 0; j <= 6; ++j) {
        const int32_t x = RoundCoord(j * step * scale);
        const double position = doc_.xMin + j * step;
        // Whole metres for long lines: the position rounded half away from zero, printed
        // as an integer (+ 0.0 turns a rounded -0 into 0).
        const std::string label =
            span > 100 ? CFormat("%.0f", std::round(position) + 0.0) : CFormat("%.2f", position);
        canvas.TextOut(Point{x, yl}, label);
        canvas.MoveTo(Point{x, yl - 160});
        canvas.LineTo(Point{x, yl - 40});
    }
    canvas.TextOut(Point{RoundCoord(widthExtent * 0.5), RoundCoord(depthExtent + 800)}, "X (m)");
}

void CDatView::MarkSelectedDatum(Canvas& canvas, int32_t r) const {
    if (!doc_.propertiesDialog || !mapped_ || r < 0 ||
        static_cast<size_t>(r) >= doc_.observations.size()) {
        return;
    }
    const Cobs& record = doc_.observations[static_cast<size_t>(r)];
    const Brush previousBrush = canvas.SelectBrush(Brush::NullBrush());
    const RasterOp previousOp = canvas.SetRasterOp(MarkRasterOp(canvas));
    DrawElectrodePair(canvas, record.xa, record.xb, record.za, record.zb, doc_.xMin, scale, 200);
    DrawElectrodePair(canvas, record.xm, record.xn, record.zm, record.zn, doc_.xMin, scale, 150);
    const Pen previousPen = canvas.SelectPen(Pen::SolidPen(6, kBlack));
    canvas.Rectangle(ToRect(record.screenRect));
    canvas.SelectBrush(previousBrush);
    canvas.SelectPen(previousPen);
    canvas.SetRasterOp(previousOp);
}

}  // namespace oskava
