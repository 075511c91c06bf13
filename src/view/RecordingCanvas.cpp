#include "view/RecordingCanvas.h"

#include <algorithm>

#include "survey/CFormat.h"

namespace oskava {

namespace {

std::string RectText(const Rect& r) {
    return CFormat("%d,%d %d,%d", r.left, r.top, r.right, r.bottom);
}

}  // namespace

std::string CanvasCall::ToString() const {
    switch (kind) {
        case Kind::Line:
            return CFormat("line %d,%d %d,%d", from.x, from.y, to.x, to.y);
        case Kind::Ellipse:
            return "ellipse " + RectText(rect);
        case Kind::Rectangle:
            return "rectangle " + RectText(rect);
        case Kind::FillRect:
            return "fill " + RectText(rect) + CFormat(" #%06x", colour);
        case Kind::Text:
            return CFormat("text %d,%d ", at.x, at.y) + text;
        case Kind::ExcludeClip:
            return CFormat("exclude-clip %zu points", polygon.size());
        case Kind::ResetClip:
            return "reset-clip";
    }
    return "?";
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> result;
    for (const CanvasCall& call : calls) {
        if (call.kind == kind) {
            result.push_back(call);
        }
    }
    return result;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const CanvasCall& call : calls) {
        if (call.kind == CanvasCall::Kind::Text) {
            texts.push_back(call.text);
        }
    }
    return texts;
}

CanvasCall& RecordingCanvas::Record(CanvasCall::Kind kind) {
    CanvasCall call;
    call.kind = kind;
    call.pen = CurrentPen();
    call.brush = CurrentBrush();
    call.font = CurrentFont();
    call.deviceFontHeight = DeviceFontHeight();
    call.rasterOp = CurrentRasterOp();
    call.align = CurrentTextAlign();
    call.transparent = TransparentBackground();
    calls.push_back(std::move(call));
    return calls.back();
}

void RecordingCanvas::DoLine(Point from, Point to) {
    CanvasCall& call = Record(CanvasCall::Kind::Line);
    call.from = from;
    call.to = to;
}

void RecordingCanvas::DoEllipse(const Rect& r) {
    Record(CanvasCall::Kind::Ellipse).rect = r;
}

void RecordingCanvas::DoRectangle(const Rect& r) {
    Record(CanvasCall::Kind::Rectangle).rect = r;
}

void RecordingCanvas::DoFillRect(const Rect& r, Colour colour) {
    CanvasCall& call = Record(CanvasCall::Kind::FillRect);
    call.rect = r;
    call.colour = colour;
}

void RecordingCanvas::DoText(Point p, const std::string& text) {
    CanvasCall& call = Record(CanvasCall::Kind::Text);
    call.at = p;
    call.text = text;
}

int32_t RecordingCanvas::DoTextWidth(const std::string& text) const {
    return static_cast<int32_t>(text.size()) * std::max(1, DeviceFontHeight() / 2);
}

void RecordingCanvas::DoExcludeClipPolygon(const std::vector<Point>& device) {
    Record(CanvasCall::Kind::ExcludeClip).polygon = device;
}

void RecordingCanvas::DoResetClip() {
    Record(CanvasCall::Kind::ResetClip);
}

}  // namespace oskava
