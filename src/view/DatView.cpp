// The view's state, its mapping of the survey onto logical units, the drawing
// surface's size, zoom and font size, and the update routine that rebuilds all of it
// when the document's data change.
#include "view/DatView.h"

#include <algorithm>
#include <cmath>

#include "survey/DatDoc.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

// Top-left corner of the drawing surface, logical units.
constexpr Point kSurfaceOrigin{-1200, -2000};
// A marker never grows beyond the survey line's logical length; when the separations
// give no usable size (a separation of 0) a marker is 1 % of the line.
constexpr int32_t kMaxMarkerHalfSize = 10000;
constexpr int32_t kFallbackMarkerHalfSize = 100;
// Zoom In and Zoom Out change the zoom by this factor; Zoom In stops once the surface
// is this wide, Zoom Out once it is this high (device pixels).
constexpr double kZoomStep = 1.1;
constexpr int32_t kWidestSurface = 80000;
constexpr int32_t kLowestSurface = 50;

}  // namespace

CDatView::CDatView(CDatDoc& doc, ViewHost& host) : doc_(doc), host_(host) {
    colourTable = BuildColourTable(colourMode, coloursFlipped);
    host_.SetScrollSizes(totalSize);
    BindCommands();
    doc_.AddView(this);
}

CDatView::~CDatView() {
    doc_.RemoveView(this);
    if (doc_.view == this) {
        doc_.view = nullptr;
    }
}

bool CDatView::Ready() const {
    return doc_.dataReady;
}

void CDatView::OnUpdate(int hint) {
    if (hint == 2) {
        RepaintAll();
        return;
    }
    // Without a ready survey nothing is drawn: the old picture goes.
    if (!doc_.dataReady) {
        RepaintAll();
        return;
    }
    doc_.view = this;
    if (hint != 1) {
        rangeMin = doc_.valueMin;
        rangeMax = doc_.valueMax;
        if (!doc_.isDC) {
            showConductivity = true;
            logLabels = true;
        }
        showErrors = showPredicted = showDifference = secondPanel = false;
    }
    host_.ShowTypeButtons(doc_.isDC);
    MapSurvey();
    if (mapped_) {
        const int32_t w = MarkerHalfSize();
        for (Cobs& record : doc_.observations) {
            SetSymbolRect(record, w);
        }
        if (!BuildInterpolationMesh()) {
            doc_.dataCount = 0;
            doc_.observations.clear();
            ClearMesh();
            return;
        }
    }
    RefillSecondPanel();
    UpdateScrollSizes();
    RepaintAll();
}

namespace {

// Why the survey's extents give no mapping, or empty when they give one.
std::string UnmappableReason(double span, double scale, double depthExtent) {
    if (span == 0) {
        return "The survey cannot be drawn: all electrodes lie at one position.";
    }
    if (!(span > 0) || !std::isfinite(span) || !std::isfinite(scale) ||
        !std::isfinite(depthExtent)) {
        return "The survey cannot be drawn: an electrode position or a pseudo-depth is not "
               "a finite number.";
    }
    return "";
}

}  // namespace

void CDatView::MapSurvey() {
    const double span = doc_.xMax - doc_.xMin;
    const double newScale = 10000 / span;
    const double newDepth = newScale * doc_.maxPseudoDepth;
    unmappedNotice_ = doc_.observations.empty() ? "" : UnmappableReason(span, newScale, newDepth);
    mapped_ = !doc_.observations.empty() && unmappedNotice_.empty();
    if (mapped_) {
        scale = newScale;
        depthExtent = newDepth;
        widthExtent = span * scale;
        return;
    }
    // No infinite scale may reach the mapping: the titles and the notice keep the
    // layout of a line without depth, and no marker can be hit.
    scale = 0;
    depthExtent = 0;
    widthExtent = 10000;
    ClearMesh();
    for (Cobs& record : doc_.observations) {
        record.screenRect = ScreenRect{};
    }
    if (!unmappedNotice_.empty()) {
        doc_.prompts().Message(unmappedNotice_, MessageKind::Warning);
    }
}

int32_t CDatView::MarkerHalfSize() const {
    const double d = depthExtent;
    const double w = doc_.maxSeparation != doc_.minSeparation
                         ? d / (doc_.maxSeparation / doc_.minSeparation) / 3
                         : d / doc_.minSeparation * 0.25;
    if (!std::isfinite(w)) {
        return kFallbackMarkerHalfSize;
    }
    return std::clamp(RoundCoord(w), 1, kMaxMarkerHalfSize);
}

void CDatView::SetSymbolRect(Cobs& record, int32_t w) const {
    const int32_t x = RoundCoord((record.pseudoX - doc_.xMin) * scale);
    const int32_t y = RoundCoord(record.pseudoDepth * scale);
    record.screenRect = ScreenRect{x - w, y - w, x + w, y + w};
}

void CDatView::PrepareCanvas(Canvas& canvas, Point scrollPosition) const {
    canvas.SetViewportOrg(Point{-scrollPosition.x, -scrollPosition.y});
    canvas.SetWindowExt(Size{RoundCoord(totalSize.cx / zoom), RoundCoord(totalSize.cy / zoom)});
    canvas.SetWindowOrg(kSurfaceOrigin);
    canvas.SetViewportExt(totalSize);
}

Point CDatView::PanelOrigin(int panel) const {
    if (panel == 0) {
        return kSurfaceOrigin;
    }
    return Point{kSurfaceOrigin.x, RoundCoord(kSurfaceOrigin.y - depthExtent - 3000)};
}

Size CDatView::SurfaceSize(double atZoom) const {
    const double w0 = RoundCoord(widthExtent + 6000);
    double h0 = RoundCoord(1.5 * depthExtent + 2800);
    if (secondPanel) {
        h0 = 2 * h0;
    }
    return Size{RoundCoord(w0 * atZoom), RoundCoord(h0 * atZoom)};
}

void CDatView::UpdateScrollSizes() {
    totalSize = SurfaceSize(zoom);
    host_.SetScrollSizes(totalSize);
    host_.ResizeParentToFit();
}

bool CDatView::CanZoomIn() const {
    return Ready() && totalSize.cx < kWidestSurface;
}

bool CDatView::CanZoomOut() const {
    return Ready() && totalSize.cy > kLowestSurface;
}

void CDatView::ZoomIn() {
    zoom = zoom * kZoomStep;
    UpdateScrollSizes();
    RepaintAll();
}

void CDatView::ZoomOut() {
    zoom = zoom / kZoomStep;
    UpdateScrollSizes();
    RepaintAll();
}

double CDatView::FitZoom(Size area) const {
    // The surface at zoom 1 is its size in logical units.
    const Size logical = SurfaceSize(1);
    const double fit = std::min(area.cx / double(logical.cx), area.cy / double(logical.cy));
    return std::max(std::min(fit, kWidestSurface / double(logical.cx)),
                    kLowestSurface / double(logical.cy));
}

void CDatView::ZoomToFit() {
    zoom = FitZoom(host_.ViewArea());
    UpdateScrollSizes();
    RepaintAll();
}

Point CDatView::ZoomAbout(int steps, Point device, Point scrollPosition) {
    const double before = zoom;
    // The point's place on the surface as a fraction of its width and height, which
    // zooming keeps: every part of the surface grows by the same factor.
    const double fx = (device.x + scrollPosition.x) / double(totalSize.cx);
    const double fy = (device.y + scrollPosition.y) / double(totalSize.cy);
    for (; steps > 0 && CanZoomIn(); --steps) {
        zoom = zoom * kZoomStep;
        totalSize = SurfaceSize(zoom);
    }
    for (; steps < 0 && CanZoomOut(); ++steps) {
        zoom = zoom / kZoomStep;
        totalSize = SurfaceSize(zoom);
    }
    if (zoom == before) {
        return scrollPosition;
    }
    UpdateScrollSizes();
    RepaintAll();
    return Point{RoundCoord(fx * totalSize.cx - device.x),
                 RoundCoord(fy * totalSize.cy - device.y)};
}

void CDatView::FontDecrease() {
    fontHeight = fontHeight - 50;
    RepaintAll();
}

void CDatView::FontIncrease() {
    fontHeight = fontHeight + 50;
    RepaintAll();
}

void CDatView::RepaintAll() {
    host_.InvalidateAll();
}

void CDatView::RepaintAroundPanels() {
    host_.InvalidateAll();
    host_.ValidateRect(panelRect[0]);
    if (secondPanel) {
        host_.ValidateRect(panelRect[1]);
    }
}

void CDatView::Copy() {
    host_.CopyToClipboard();
}

}  // namespace oskava
