// The drawing surface the view paints on: the small set of 2D operations the
// pseudosection needs, with the isotropic logical-to-device mapping kept here in the
// core so that every canvas (a recording in tests, a QPainter on a widget, an image,
// an SVG or a PDF) receives the same integer device coordinates.
//
// Drawing calls take logical coordinates; the canvas converts them through the
// mapping and hands device pixels to the Do* operations that a concrete canvas
// implements. Device y grows downward, like logical y.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace oskava {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const Size& o) const { return cx == o.cx && cy == o.cy; }
};

/// Left, top, right, bottom; right and bottom are outside the rectangle.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    /// The same rectangle with left <= right and top <= bottom: a logical rectangle
    /// mapped to device pixels may come out turned over.
    Rect Normalized() const {
        return Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                    std::max(top, bottom)};
    }
};

/// An RGB colour, red in the low byte, then green, then blue.
using Colour = uint32_t;
constexpr Colour Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}
constexpr uint32_t RedOf(Colour c) {
    return c & 0xff;
}
constexpr uint32_t GreenOf(Colour c) {
    return (c >> 8) & 0xff;
}
constexpr uint32_t BlueOf(Colour c) {
    return (c >> 16) & 0xff;
}

/// A font as the drawing describes it; the height is the character cell height in
/// logical units (internal leading included). An empty face means the default
/// proportional sans-serif face.
struct FontDescription {
    int32_t height = 0;
    int32_t weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    std::string face;
    bool operator==(const FontDescription& o) const {
        return height == o.height && weight == o.weight && italic == o.italic && face == o.face;
    }
};

/// Null: draws nothing. Solid: a line of the colour, width in logical units (0: one
/// device pixel whatever the mapping).
struct Pen {
    enum class Style { Null, Solid } style = Style::Solid;
    int32_t width = 0;
    Colour colour = Rgb(0, 0, 0);
    bool operator==(const Pen& o) const {
        return style == o.style && width == o.width && colour == o.colour;
    }
    static Pen NullPen() { return Pen{Style::Null, 0, 0}; }
    static Pen BlackPen() { return Pen{}; }
    static Pen SolidPen(int32_t width, Colour colour) { return Pen{Style::Solid, width, colour}; }
};

struct Brush {
    enum class Style { Null, Solid } style = Style::Null;
    Colour colour = Rgb(255, 255, 255);
    bool operator==(const Brush& o) const { return style == o.style && colour == o.colour; }
    static Brush NullBrush() { return Brush{}; }
    static Brush SolidBrush(Colour colour) { return Brush{Style::Solid, colour}; }
};

/// Copy paints with the pen and brush; Invert inverts the pixels they cover, so
/// drawing the same shape twice restores the picture.
enum class RasterOp { Copy, Invert };

/// Reference point of a text: one horizontal and one vertical choice.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };
struct TextAlign {
    HAlign horizontal = HAlign::Left;
    VAlign vertical = VAlign::Top;
    bool operator==(const TextAlign& o) const {
        return horizontal == o.horizontal && vertical == o.vertical;
    }
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // --- Mapping: isotropic, logical to device, the same for every canvas. ---

    void SetWindowOrg(Point origin) { windowOrg_ = origin; }
    void SetWindowExt(Size extent);
    void SetViewportOrg(Point origin) { viewportOrg_ = origin; }
    /// Sets the viewport extent, then shrinks the larger of the two scales so that x
    /// and y map alike (isotropic).
    void SetViewportExt(Size extent);
    Point GetWindowOrg() const { return windowOrg_; }
    Point GetViewportOrg() const { return viewportOrg_; }
    Size GetWindowExt() const { return windowExt_; }
    Size GetViewportExt() const { return viewportExt_; }

    /// Logical to device: (l - window origin) * viewport ext / window ext + viewport
    /// origin, rounded to the nearest pixel (halves up).
    Point LPtoDP(Point logical) const;
    Point DPtoLP(Point device) const;
    Rect LPtoDP(const Rect& logical) const;
    Rect DPtoLP(const Rect& device) const;
    /// A logical length (font height, pen width) in device pixels, rounded; at least 1
    /// for a positive length.
    int32_t LengthToDevice(int32_t logical) const;

    // --- State. Each Select returns what was selected before. ---

    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    FontDescription SelectFont(const FontDescription& font);
    RasterOp SetRasterOp(RasterOp op);
    TextAlign SetTextAlign(TextAlign align);
    void SetTransparentBackground();
    bool TransparentBackground() const { return transparent_; }
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const FontDescription& CurrentFont() const { return font_; }
    RasterOp CurrentRasterOp() const { return rasterOp_; }
    TextAlign CurrentTextAlign() const { return textAlign_; }

    // --- Drawing, in logical coordinates. ---

    void MoveTo(Point p);
    void LineTo(Point p);
    /// Ellipse inscribed in the rectangle, outlined with the pen, filled with the brush.
    void Ellipse(const Rect& r);
    /// Rectangle outlined with the pen, filled with the brush.
    void Rectangle(const Rect& r);
    /// Fills the rectangle with the colour, without outline, whatever pen and brush.
    void FillSolidRect(const Rect& r, Colour colour);
    void TextOut(Point p, const std::string& text);
    /// The width, in device pixels, that TextOut gives the text in the current font:
    /// every layout that depends on a text's length measures it here.
    int32_t TextWidth(const std::string& text) const { return DoTextWidth(text); }

    // --- Clipping. ---

    /// Takes the polygon (logical vertices, winding rule) out of the clip region.
    void ExcludeClipPolygon(const std::vector<Point>& logical);
    /// Removes every clip region set by ExcludeClipPolygon.
    void ResetClip();
    /// Bounding box of what may be painted, in logical units.
    Rect GetClipBox() const { return DPtoLP(DoClipBox()); }
    /// The same in device pixels, as the canvas has it.
    Rect GetDeviceClipBox() const { return DoClipBox(); }
    /// Whether any part of the logical rectangle lies in the clip box.
    bool RectVisible(const Rect& logical) const;

    /// Whether the canvas can invert pixels; vector outputs cannot and draw in black.
    virtual bool SupportsInversion() const { return true; }

  protected:
    // Device-level operations. Points and rectangles are in device pixels; the
    // current pen, brush, font (with its device height), raster operation and text
    // alignment are available through the accessors above and DeviceFontHeight().
    virtual void DoLine(Point from, Point to) = 0;
    virtual void DoEllipse(const Rect& r) = 0;
    virtual void DoRectangle(const Rect& r) = 0;
    virtual void DoFillRect(const Rect& r, Colour colour) = 0;
    virtual void DoText(Point p, const std::string& text) = 0;
    virtual int32_t DoTextWidth(const std::string& text) const = 0;
    virtual void DoExcludeClipPolygon(const std::vector<Point>& device) = 0;
    virtual void DoResetClip() = 0;
    /// The area being painted, in device pixels (the whole surface for an image).
    virtual Rect DoClipBox() const = 0;
    /// Called after a state change, for canvases that keep state of their own.
    virtual void StateChanged() {}

    int32_t DeviceFontHeight() const { return LengthToDevice(font_.height); }
    /// The pen's width in device pixels (1 for a width of 0).
    int32_t DevicePenWidth() const;

  private:
    void UpdateRatios();

    Point windowOrg_;
    Size windowExt_{1, 1};
    Point viewportOrg_;
    Size viewportExt_{1, 1};
    double toDevice_[2] = {1, 1};   // viewport extent / window extent, x and y
    double toLogical_[2] = {1, 1};  // window extent / viewport extent
    Point current_;                 // the position MoveTo and LineTo leave, in logical units
    Pen pen_;
    Brush brush_ = Brush::SolidBrush(Rgb(255, 255, 255));
    FontDescription font_;
    RasterOp rasterOp_ = RasterOp::Copy;
    TextAlign textAlign_;
    bool transparent_ = false;
};

}  // namespace oskava
