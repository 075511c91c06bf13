// A canvas that paints nothing and logs every drawing call with its device
// coordinates and the drawing state in force, so that tests can compare drawings.
#pragma once

#include <string>
#include <vector>

#include "view/Canvas.h"

namespace oskava {

struct CanvasCall {
    enum class Kind { Line, Ellipse, Rectangle, FillRect, Text, ExcludeClip, ResetClip };
    Kind kind = Kind::Line;
    Point from, to;              // Line
    Rect rect;                   // Ellipse, Rectangle, FillRect
    Colour colour = 0;           // FillRect
    Point at;                    // Text
    std::string text;            // Text
    std::vector<Point> polygon;  // ExcludeClip
    // State in force when the call was made.
    Pen pen;
    Brush brush;
    FontDescription font;
    int32_t deviceFontHeight = 0;
    RasterOp rasterOp = RasterOp::Copy;
    TextAlign align;
    bool transparent = false;

    /// One line for failure messages, e.g. "line 10,20 30,40".
    std::string ToString() const;
};

class RecordingCanvas : public Canvas {
  public:
    /// clip: the device area being painted.
    explicit RecordingCanvas(Rect clip = Rect{-1000000, -1000000, 1000000, 1000000})
        : clip_(clip) {}

    std::vector<CanvasCall> calls;

    /// The calls of one kind, in order.
    std::vector<CanvasCall> CallsOf(CanvasCall::Kind kind) const;
    /// The texts written, in order.
    std::vector<std::string> Texts() const;
    void SetClip(Rect clip) { clip_ = clip; }
    bool SupportsInversion() const override { return inversion_; }
    void SetSupportsInversion(bool inversion) { inversion_ = inversion; }

  protected:
    void DoLine(Point from, Point to) override;
    void DoEllipse(const Rect& r) override;
    void DoRectangle(const Rect& r) override;
    void DoFillRect(const Rect& r, Colour colour) override;
    void DoText(Point p, const std::string& text) override;
    /// Every byte is half the device font height wide: a sans-serif face's average.
    int32_t DoTextWidth(const std::string& text) const override;
    void DoExcludeClipPolygon(const std::vector<Point>& device) override;
    void DoResetClip() override;
    Rect DoClipBox() const override { return clip_; }

  private:
    CanvasCall& Record(CanvasCall::Kind kind);
    Rect clip_;
    bool inversion_ = true;
};

}  // namespace oskava
