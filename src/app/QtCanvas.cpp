#include "app/QtCanvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

namespace oskava {

namespace {

QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

/// The device rectangle (right and bottom outside) as a QRect, whichever way round.
QRect ToQRect(const Rect& r) {
    const Rect n = r.Normalized();
    return QRect(n.left, n.top, n.right - n.left, n.bottom - n.top);
}

/// The outline path of a box: through the centres of its outermost pixels, so that a
/// one-pixel pen stays inside the box.
QRectF OutlinePath(const QRect& box) {
    return QRectF(box.left() + 0.5, box.top() + 0.5, box.width() - 1.0, box.height() - 1.0);
}

QFont MakeFont(int pixelSize, int weight, const QString& face) {
    QFont font(face.isEmpty() ? QStringLiteral("sans-serif") : face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    return font;
}

// The program's strings are 8-bit; Latin-1 maps every byte to a character.
QString ShownText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

int CellHeightOf(int pixelSize, int weight, const QString& face) {
    const QFontMetrics metrics(MakeFont(pixelSize, weight, face));
    return metrics.ascent() + metrics.descent();
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QRect& clipBox)
    : painter_(painter),
      clipBox_{clipBox.left(), clipBox.top(), clipBox.left() + clipBox.width(),
               clipBox.top() + clipBox.height()},
      // Vector engines list raster operations among their features but ignore them.
      inversion_(painter.paintEngine() != nullptr &&
                 painter.paintEngine()->type() == QPaintEngine::Raster),
      clipByHand_(painter.paintEngine() != nullptr &&
                  painter.paintEngine()->type() == QPaintEngine::SVG) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackground(Qt::white);
    StateChanged();
}

int QtCanvas::PixelSizeForCellHeight(int cellHeight, int weight, const QString& face) {
    // The drawing selects the same few fonts again and again; measuring is not free.
    static std::map<std::tuple<int, int, QString>, int> known;
    const auto key = std::make_tuple(cellHeight, weight, face);
    if (const auto found = known.find(key); found != known.end()) {
        return found->second;
    }
    // Cell height grows about linearly with the pixel size: estimate from a large size,
    // then settle on the neighbour that measures closest.
    const int reference = 1000;
    int best = std::max(1, cellHeight * reference / CellHeightOf(reference, weight, face));
    int bestError = std::abs(CellHeightOf(best, weight, face) - cellHeight);
    for (int candidate : {best - 2, best - 1, best + 1, best + 2}) {
        if (candidate < 1) {
            continue;
        }
        const int error = std::abs(CellHeightOf(candidate, weight, face) - cellHeight);
        if (error < bestError) {
            best = candidate;
            bestError = error;
        }
    }
    known.emplace(key, best);
    return best;
}

void QtCanvas::StateChanged() {
    const bool invert = inversion_ && CurrentRasterOp() == RasterOp::Invert;
    painter_.setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                       : QPainter::CompositionMode_SourceOver);

    const Pen& pen = CurrentPen();
    if (pen.style == Pen::Style::Null) {
        painter_.setPen(Qt::NoPen);
    } else {
        const int width = DevicePenWidth();
        // A one-pixel line leaves out its end point, so that joined lines (and inverting
        // ones) do not paint the shared pixel twice; wide pens are round at ends and joins.
        QPen qpen(ToQColor(pen.colour), width, Qt::SolidLine,
                  width == 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
        qpen.setCosmetic(width == 1);
        painter_.setPen(qpen);
    }

    const Brush& brush = CurrentBrush();
    painter_.setBrush(brush.style == Brush::Style::Null ? QBrush(Qt::NoBrush)
                                                        : QBrush(ToQColor(brush.colour)));

    // Pens and brushes change per datum; the font only now and then.
    const int fontHeight = std::max(1, DeviceFontHeight());
    if (!(CurrentFont() == font_) || fontHeight != deviceFontHeight_) {
        font_ = CurrentFont();
        deviceFontHeight_ = fontHeight;
        const QString face = QString::fromStdString(font_.face);
        QFont qfont =
            MakeFont(PixelSizeForCellHeight(fontHeight, font_.weight, face), font_.weight, face);
        qfont.setItalic(font_.italic);
        painter_.setFont(qfont);
    }

    painter_.setBackgroundMode(TransparentBackground() ? Qt::TransparentMode : Qt::OpaqueMode);
}

void QtCanvas::DoLine(Point from, Point to) {
    if (CurrentPen().style == Pen::Style::Null) {
        return;
    }
    const QPoint a(from.x, from.y);
    const QPoint b(to.x, to.y);
    switch (ClipOf(QRect(a, b).normalized())) {
        case Clip::Inside:
            painter_.drawLine(a, b);
            break;
        case Clip::Outside:
            break;
        case Clip::Partly: {
            QPainterPath line(a);
            line.lineTo(b);
            PaintCut(QPainterPath(), line);
            break;
        }
    }
}

void QtCanvas::DoEllipse(const Rect& r) {
    DrawShape(Shape::Ellipse, r);
}

void QtCanvas::DoRectangle(const Rect& r) {
    DrawShape(Shape::Rectangle, r);
}

void QtCanvas::DrawShape(Shape shape, const Rect& r) {
    const QRect box = ToQRect(r);
    if (box.isEmpty()) {
        return;
    }
    // The brush covers the pixels whose centres lie inside the box's shape; the pen
    // goes round through the centres of the box's outermost pixels.
    const QRectF area(box);
    const QRectF outline = OutlinePath(box);
    const auto draw = [this, shape](const QRectF& bounds) {
        if (shape == Shape::Ellipse) {
            painter_.drawEllipse(bounds);
        } else {
            painter_.drawRect(bounds);
        }
    };
    switch (ClipOf(box)) {
        case Clip::Inside:
            break;
        case Clip::Outside:
            return;
        case Clip::Partly: {
            QPainterPath areaPath;
            QPainterPath outlinePath;
            if (shape == Shape::Ellipse) {
                areaPath.addEllipse(area);
                outlinePath.addEllipse(outline);
            } else {
                areaPath.addRect(area);
                outlinePath.addRect(outline);
            }
            PaintCut(areaPath, outlinePath);
            return;
        }
    }
    const QPen pen = painter_.pen();
    const QBrush brush = painter_.brush();
    if (brush.style() != Qt::NoBrush) {
        painter_.setPen(Qt::NoPen);
        draw(area);
        painter_.setPen(pen);
    }
    if (pen.style() != Qt::NoPen) {
        painter_.setBrush(Qt::NoBrush);
        draw(outline);
        painter_.setBrush(brush);
    }
}

void QtCanvas::DoFillRect(const Rect& r, Colour colour) {
    // A solid fill paints its colour whatever the raster operation. (Vector devices
    // start a new group on every state change, so the mode is left alone if it can be.)
    const QPainter::CompositionMode mode = painter_.compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver) {
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const QRect box = ToQRect(r);
    switch (ClipOf(box)) {
        case Clip::Inside:
            painter_.fillRect(box, ToQColor(colour));
            break;
        case Clip::Outside:
            break;
        case Clip::Partly:
            for (const QRect& part : QRegion(box) & clipRegion_) {
                painter_.fillRect(part, ToQColor(colour));
            }
            break;
    }
    if (mode != QPainter::CompositionMode_SourceOver) {
        painter_.setCompositionMode(mode);
    }
}

QtCanvas::Clip QtCanvas::ClipOf(const QRect& box) const {
    if (!clipByHand_ || !clipped_) {
        return Clip::Inside;
    }
    const int margin = painter_.pen().style() == Qt::NoPen ? 0 : DevicePenWidth();
    const QRegion area(box.adjusted(-margin, -margin, margin, margin));
    if ((area - clipRegion_).isEmpty()) {
        return Clip::Inside;
    }
    return (area & clipRegion_).isEmpty() ? Clip::Outside : Clip::Partly;
}

void QtCanvas::PaintCut(const QPainterPath& area, const QPainterPath& outline) {
    QPainterPath clip;
    clip.addRegion(clipRegion_);
    if (painter_.brush().style() != Qt::NoBrush && !area.isEmpty()) {
        painter_.fillPath(area.intersected(clip), painter_.brush());
    }
    if (painter_.pen().style() != Qt::NoPen) {
        const QPainterPathStroker stroker(painter_.pen());
        painter_.fillPath(stroker.createStroke(outline).intersected(clip), painter_.pen().brush());
    }
}

void QtCanvas::DoText(Point p, const std::string& text) {
    const QString string = ShownText(text);
    const QFontMetrics metrics(painter_.font());
    const int width = metrics.horizontalAdvance(string);
    int x = p.x;
    switch (CurrentTextAlign().horizontal) {
        case HAlign::Left:
            break;
        case HAlign::Centre:
            x -= width / 2;
            break;
        case HAlign::Right:
            x -= width;
            break;
    }
    int baseline = p.y;
    switch (CurrentTextAlign().vertical) {
        case VAlign::Top:
            baseline += metrics.ascent();
            break;
        case VAlign::Baseline:
            break;
        case VAlign::Bottom:
            baseline -= metrics.descent();
            break;
    }
    painter_.drawText(QPoint(x, baseline), string);
}

int32_t QtCanvas::DoTextWidth(const std::string& text) const {
    return QFontMetrics(painter_.font()).horizontalAdvance(ShownText(text));
}

void QtCanvas::DoExcludeClipPolygon(const std::vector<Point>& device) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(device.size()));
    for (const Point& p : device) {
        polygon << QPoint(p.x, p.y);
    }
    if (!clipped_) {
        clipRegion_ = QRegion(ToQRect(clipBox_));
        clipped_ = true;
    }
    clipRegion_ -= QRegion(polygon, Qt::WindingFill);
    painter_.setClipRegion(clipRegion_);
}

void QtCanvas::DoResetClip() {
    clipped_ = false;
    clipRegion_ = QRegion();
    painter_.setClipping(false);
}

}  // namespace oskava
