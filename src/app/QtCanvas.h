// The core's Canvas on a QPainter: a widget, a QImage (clipboard, PNG), an SVG or a
// PDF. The core hands over integer device pixels; the painter gets no transform of its
// own, so a picture and a recording of the same drawing agree pixel for pixel.
//
// The drawing was written for a raster device with these rules, emulated here:
// rectangles and ellipses cover their box without its right and bottom edges; a line
// leaves out its end point; a width-0 pen is one pixel wide; the inverting raster
// operation inverts what lies under a shape (raster devices only); text is placed by
// its alignment at the reference point; font heights are character cell heights.
// The SVG generator ignores clip regions, so shapes are cut to the region here (text is
// not: the drawing writes no text while a clip region is set).
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include "view/Canvas.h"

namespace oskava {

class QtCanvas : public Canvas {
  public:
    /// Paints with the painter, which must be active and untransformed; clipBox is the
    /// device area being painted (a widget's update rectangle, or the whole image).
    QtCanvas(QPainter& painter, const QRect& clipBox);

    /// True on raster devices (widgets, images); false for SVG and PDF.
    bool SupportsInversion() const override { return inversion_; }

    /// The pixel size of the default (or named) face whose ascent + descent comes
    /// closest to the cell height, in device pixels; at least 1.
    static int PixelSizeForCellHeight(int cellHeight, int weight, const QString& face);

  protected:
    void DoLine(Point from, Point to) override;
    void DoEllipse(const Rect& r) override;
    void DoRectangle(const Rect& r) override;
    void DoFillRect(const Rect& r, Colour colour) override;
    void DoText(Point p, const std::string& text) override;
    int32_t DoTextWidth(const std::string& text) const override;
    void DoExcludeClipPolygon(const std::vector<Point>& device) override;
    void DoResetClip() override;
    Rect DoClipBox() const override { return clipBox_; }
    void StateChanged() override;

  private:
    enum class Shape { Ellipse, Rectangle };
    /// Fills the shape inscribed in the device box with the brush, then outlines it
    /// with the pen inside the box.
    void DrawShape(Shape shape, const Rect& r);
    /// Where a device box lies with respect to the clip region, on a device that needs
    /// clipping by hand; Inside everywhere else.
    enum class Clip { Inside, Outside, Partly };
    Clip ClipOf(const QRect& box) const;
    /// Fills the area with the brush and strokes the outline with the pen, both cut to
    /// the clip region.
    void PaintCut(const QPainterPath& area, const QPainterPath& outline);

    QPainter& painter_;
    Rect clipBox_;
    bool inversion_;
    bool clipByHand_;     // the SVG generator ignores clip regions
    QRegion clipRegion_;  // what ExcludeClipPolygon has left; empty while no clip is set
    bool clipped_ = false;
    FontDescription font_;       // the description the painter's font was made from
    int deviceFontHeight_ = -1;  // and its cell height in device pixels
};

}  // namespace oskava
