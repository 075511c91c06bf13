#include "view/Canvas.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace oskava {

namespace {

int32_t RoundToPixel(double value) {
    return static_cast<int32_t>(std::floor(value + 0.5));
}

// offset + value * numerator / denominator, rounded to the nearest pixel (halves up).
// A drawing maps a great many points, and the division is slow: the value is first
// mapped with the ratio numerator / denominator, which is off by a few units in the
// last place, and that answer is taken when it lies clearly away from a rounding
// boundary, where the exact computation rounds the same way.
int32_t MapCoordinate(int32_t value, int32_t numerator, int32_t denominator, double ratio,
                      int32_t offset) {
    const double a = static_cast<double>(value);
    const double estimate = a * ratio + offset + 0.5;
    const double below = std::floor(estimate);
    const double margin = 1e-9 * (std::fabs(estimate) + 1);
    if (estimate - below > margin && below + 1 - estimate > margin) {
        return static_cast<int32_t>(below);
    }
    return RoundToPixel(a * numerator / denominator + offset);
}

}  // namespace

void Canvas::SetWindowExt(Size extent) {
    // A zero extent has no scale; keep the mapping defined.
    windowExt_ = Size{extent.cx == 0 ? 1 : extent.cx, extent.cy == 0 ? 1 : extent.cy};
    UpdateRatios();
}

void Canvas::SetViewportExt(Size extent) {
    viewportExt_ = Size{extent.cx == 0 ? 1 : extent.cx, extent.cy == 0 ? 1 : extent.cy};
    const double xScale = std::fabs(static_cast<double>(viewportExt_.cx) / windowExt_.cx);
    const double yScale = std::fabs(static_cast<double>(viewportExt_.cy) / windowExt_.cy);
    if (xScale > yScale) {
        const int32_t cx = RoundToPixel(viewportExt_.cx * yScale / xScale);
        viewportExt_.cx = cx != 0 ? cx : (viewportExt_.cx >= 0 ? 1 : -1);
    } else {
        const int32_t cy = RoundToPixel(viewportExt_.cy * xScale / yScale);
        viewportExt_.cy = cy != 0 ? cy : (viewportExt_.cy >= 0 ? 1 : -1);
    }
    UpdateRatios();
}

Point Canvas::LPtoDP(Point logical) const {
    return Point{MapCoordinate(logical.x - windowOrg_.x, viewportExt_.cx, windowExt_.cx,
                               toDevice_[0], viewportOrg_.x),
                 MapCoordinate(logical.y - windowOrg_.y, viewportExt_.cy, windowExt_.cy,
                               toDevice_[1], viewportOrg_.y)};
}

Point Canvas::DPtoLP(Point device) const {
    return Point{MapCoordinate(device.x - viewportOrg_.x, windowExt_.cx, viewportExt_.cx,
                               toLogical_[0], windowOrg_.x),
                 MapCoordinate(device.y - viewportOrg_.y, windowExt_.cy, viewportExt_.cy,
                               toLogical_[1], windowOrg_.y)};
}

void Canvas::UpdateRatios() {
    toDevice_[0] = static_cast<double>(viewportExt_.cx) / windowExt_.cx;
    toDevice_[1] = static_cast<double>(viewportExt_.cy) / windowExt_.cy;
    toLogical_[0] = static_cast<double>(windowExt_.cx) / viewportExt_.cx;
    toLogical_[1] = static_cast<double>(windowExt_.cy) / viewportExt_.cy;
}

Rect Canvas::LPtoDP(const Rect& logical) const {
    const Point topLeft = LPtoDP(Point{logical.left, logical.top});
    const Point bottomRight = LPtoDP(Point{logical.right, logical.bottom});
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Rect Canvas::DPtoLP(const Rect& device) const {
    const Point topLeft = DPtoLP(Point{device.left, device.top});
    const Point bottomRight = DPtoLP(Point{device.right, device.bottom});
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

int32_t Canvas::LengthToDevice(int32_t logical) const {
    const double scale = std::fabs(static_cast<double>(viewportExt_.cy) / windowExt_.cy);
    const int32_t length = RoundToPixel(std::abs(logical) * scale);
    return logical != 0 && length == 0 ? 1 : length;
}

int32_t Canvas::DevicePenWidth() const {
    return pen_.width == 0 ? 1 : LengthToDevice(pen_.width);
}

Pen Canvas::SelectPen(const Pen& pen) {
    Pen previous = std::exchange(pen_, pen);
    StateChanged();
    return previous;
}

Brush Canvas::SelectBrush(const Brush& brush) {
    Brush previous = std::exchange(brush_, brush);
    StateChanged();
    return previous;
}

FontDescription Canvas::SelectFont(const FontDescription& font) {
    FontDescription previous = std::exchange(font_, font);
    StateChanged();
    return previous;
}

RasterOp Canvas::SetRasterOp(RasterOp op) {
    RasterOp previous = std::exchange(rasterOp_, op);
    StateChanged();
    return previous;
}

TextAlign Canvas::SetTextAlign(TextAlign align) {
    TextAlign previous = std::exchange(textAlign_, align);
    StateChanged();
    return previous;
}

void Canvas::SetTransparentBackground() {
    transparent_ = true;
    StateChanged();
}

void Canvas::MoveTo(Point p) {
    current_ = p;
}

void Canvas::LineTo(Point p) {
    DoLine(LPtoDP(current_), LPtoDP(p));
    current_ = p;
}

void Canvas::Ellipse(const Rect& r) {
    DoEllipse(LPtoDP(r));
}

void Canvas::Rectangle(const Rect& r) {
    DoRectangle(LPtoDP(r));
}

void Canvas::FillSolidRect(const Rect& r, Colour colour) {
    DoFillRect(LPtoDP(r), colour);
}

void Canvas::TextOut(Point p, const std::string& text) {
    DoText(LPtoDP(p), text);
}

void Canvas::ExcludeClipPolygon(const std::vector<Point>& logical) {
    std::vector<Point> device;
    device.reserve(logical.size());
    for (const Point& p : logical) {
        device.push_back(LPtoDP(p));
    }
    DoExcludeClipPolygon(device);
}

void Canvas::ResetClip() {
    DoResetClip();
}

bool Canvas::RectVisible(const Rect& logical) const {
    const Rect r = LPtoDP(logical).Normalized();
    const Rect clip = DoClipBox();
    return r.left < clip.right && r.right > clip.left && r.top < clip.bottom && r.bottom > clip.top;
}

}  // namespace oskava
