#include "view/Canvas.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace oskava {

namespace {

int32_t RoundToPixel(double value) { return static_cast<int32_t>(std::floor(value + 0.5)); }

}  // namespace

void Canvas::SetWindowExt(Size extent) {
    // A zero extent has no scale; keep the mapping defined.
    windowExt_ = Size{extent.cx == 0 ? 1 : extent.cx, extent.cy == 0 ? 1 : extent.cy};
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
}

Point Canvas::LPtoDP(Point logical) const {
    const double x = static_cast<double>(logical.x - windowOrg_.x) * viewportExt_.cx /
                         windowExt_.cx +
                     viewportOrg_.x;
    const double y = static_cast<double>(logical.y - windowOrg_.y) * viewportExt_.cy /
                         windowExt_.cy +
                     viewportOrg_.y;
    return Point{RoundToPixel(x), RoundToPixel(y)};
}

Point Canvas::DPtoLP(Point device) const {
    const double x = static_cast<double>(device.x - viewportOrg_.x) * windowExt_.cx /
                         viewportExt_.cx +
                     windowOrg_.x;
    const double y = static_cast<double>(device.y - viewportOrg_.y) * windowExt_.cy /
                         viewportExt_.cy +
                     windowOrg_.y;
    return Point{RoundToPixel(x), RoundToPixel(y)};
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

void Canvas::MoveTo(Point p) { current_ = p; }

void Canvas::LineTo(Point p) {
    DoLine(LPtoDP(current_), LPtoDP(p));
    current_ = p;
}

void Canvas::Ellipse(const Rect& r) { DoEllipse(LPtoDP(r)); }

void Canvas::Rectangle(const Rect& r) { DoRectangle(LPtoDP(r)); }

void Canvas::FillSolidRect(const Rect& r, Colour colour) { DoFillRect(LPtoDP(r), colour); }

void Canvas::TextOut(Point p, const std::string& text) { DoText(LPtoDP(p), text); }

void Canvas::ExcludeClipPolygon(const std::vector<Point>& logical) {
    std::vector<Point> device;
    device.reserve(logical.size());
    for (const Point& p : logical) {
        device.push_back(LPtoDP(p));
    }
    DoExcludeClipPolygon(device);
}

void Canvas::ResetClip() { DoResetClip(); }

bool Canvas::RectVisible(const Rect& logical) const {
    const Rect r = LPtoDP(logical);
    const Rect clip = DoClipBox();
    const int32_t left = std::min(r.left, r.right);
    const int32_t right = std::max(r.left, r.right);
    const int32_t top = std::min(r.top, r.bottom);
    const int32_t bottom = std::max(r.top, r.bottom);
    return left < clip.right && right > clip.left && top < clip.bottom && bottom > clip.top;
}

}  // namespace oskava
