#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <filesystem>

#include "app/PictureOutput.h"
#include "app/QtCanvas.h"
#include "support/TempDir.h"

namespace oskava {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

// A white image painted through a QtCanvas whose mapping is the identity, so that
// logical coordinates are pixels; `draw` paints, then the image is finished.
QImage Paint(const std::function<void(QtCanvas&)>& draw, int width = 60, int height = 60) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, image.rect());
    draw(canvas);
    painter.end();
    return image;
}

/// The smallest rectangle holding every pixel of the area that is not white.
QRect Inked(const QImage& image, const QRect& area) {
    QRect inked;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            inked |= (image.pixel(x, y) | 0xff000000) != kWhite ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return inked;
}

TEST(QtCanvasTest, ShapesCoverTheirBoxWithoutRightAndBottomEdges) {
    const QImage shapes = Paint([](QtCanvas& c) {
        c.FillSolidRect(Rect{10, 10, 20, 15}, Rgb(255, 0, 0));
        c.SelectBrush(Brush::NullBrush());
        c.Rectangle(Rect{30, 10, 40, 20});
        c.Ellipse(Rect{10, 30, 30, 40});
        c.SelectPen(Pen::NullPen());
        c.SelectBrush(Brush::SolidBrush(Rgb(255, 0, 0)));
        c.Ellipse(Rect{40, 30, 50, 40});
    });
    EXPECT_EQ(Inked(shapes, QRect(0, 0, 25, 25)), QRect(QPoint(10, 10), QPoint(19, 14)));
    EXPECT_EQ(Inked(shapes, QRect(25, 0, 35, 25)), QRect(QPoint(30, 10), QPoint(39, 19)));
    EXPECT_EQ(shapes.pixel(39, 19), kBlack);
    EXPECT_EQ(shapes.pixel(35, 15), kWhite);
    EXPECT_EQ(Inked(shapes, QRect(0, 25, 35, 35)), QRect(QPoint(10, 30), QPoint(29, 39)));
    EXPECT_EQ(shapes.pixel(20, 35), kWhite);
    EXPECT_EQ(Inked(shapes, QRect(35, 25, 25, 35)), QRect(QPoint(40, 30), QPoint(49, 39)));
    EXPECT_EQ(shapes.pixel(45, 35), kRed);
    EXPECT_EQ(shapes.pixel(40, 30), kWhite);  // a corner of the box is outside the disc
}

TEST(QtCanvasTest, DrawingAMarkTwiceRestoresThePicture) {
    const auto stripes = [](QtCanvas& canvas) {
        for (int k = 0; k < 6; ++k) {
            canvas.FillSolidRect(Rect{k * 10, 0, k * 10 + 10, 60}, Rgb(40 * k, 255 - 40 * k, 90));
        }
    };
    const auto mark = [](QtCanvas& canvas) {
        ASSERT_TRUE(canvas.SupportsInversion());
        const Pen pen = canvas.SelectPen(Pen::BlackPen());
        canvas.SelectBrush(Brush::NullBrush());
        canvas.SetRasterOp(RasterOp::Invert);
        canvas.MoveTo(Point{30, 30});
        canvas.LineTo(Point{24, 24});
        canvas.LineTo(Point{36, 24});
        canvas.Ellipse(Rect{5, 5, 25, 25});
        canvas.SelectPen(Pen::SolidPen(6, Rgb(0, 0, 0)));
        canvas.Rectangle(Rect{20, 20, 50, 45});
        canvas.SelectPen(pen);
        canvas.SetRasterOp(RasterOp::Copy);
    };
    const QImage before = Paint(stripes);
    const QImage marked = Paint([&](QtCanvas& c) {
        stripes(c);
        mark(c);
    });
    EXPECT_EQ(marked.pixel(22, 35) & 0xffffff, ~before.pixel(22, 35) & 0xffffff);  // wide pen
    EXPECT_EQ(Paint([&](QtCanvas& c) {
                  stripes(c);
                  mark(c);
                  mark(c);
              }),
              before);
}

TEST(QtCanvasTest, ExcludedPolygonStaysUnpaintedUntilResetWithTheWindingRule) {
    // The polygon runs twice round: even-odd filling would leave its inside painted.
    const QImage clipped = Paint([](QtCanvas& c) {
        c.ExcludeClipPolygon({Point{10, 10}, Point{50, 10}, Point{50, 50}, Point{10, 50},
                              Point{10, 10}, Point{50, 10}, Point{50, 50}, Point{10, 50}});
        c.FillSolidRect(Rect{0, 0, 60, 60}, Rgb(255, 0, 0));
    });
    EXPECT_EQ(clipped.pixel(30, 30), kWhite);
    EXPECT_EQ(clipped.pixel(5, 30), kRed);
    const QImage again = Paint([](QtCanvas& c) {
        c.ExcludeClipPolygon({Point{10, 10}, Point{50, 10}, Point{50, 50}});
        c.ResetClip();
        c.FillSolidRect(Rect{0, 0, 60, 60}, Rgb(0, 0, 0));
    });
    EXPECT_EQ(again.pixel(40, 20), kBlack);
}

TEST(QtCanvasTest, SvgShapesAreCutByTheClipThatTheGeneratorIgnores) {
    test::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "sample.svg").string());
    {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(40, 40));
        svg.setViewBox(QRect(0, 0, 40, 40));
        QPainter painter(&svg);
        QtCanvas canvas(painter, QRect(0, 0, 40, 40));
        EXPECT_FALSE(canvas.SupportsInversion());
        canvas.ExcludeClipPolygon({Point{0, 0}, Point{40, 0}, Point{20, 20}});
        canvas.FillSolidRect(Rect{0, 0, 40, 40}, Rgb(0, 80, 255));
    }
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter imagePainter(&image);
    QSvgRenderer(path).render(&imagePainter, QRectF(0, 0, 40, 40));
    imagePainter.end();
    EXPECT_EQ(image.pixel(20, 4), kWhite);
    EXPECT_EQ(image.pixel(20, 30), qRgb(0, 80, 255));
}

TEST(PictureOutputTest, ImageBeyondThePixelLimitIsRefusedWithoutPainting) {
    test::TempDir dir;
    const std::filesystem::path path = dir.path() / "huge.png";
    bool drawn = false;
    const auto draw = [&drawn](Canvas&) { drawn = true; };
    EXPECT_TRUE(PaintImage(QSize(80000, 4000), draw).isNull());
    EXPECT_EQ(WritePicture(path.string(), PictureFormat::Png, QSize(80000, 4000), draw),
              "a picture of 80000 x 4000 pixels is more than the limit of 268435456 pixels");
    EXPECT_FALSE(drawn);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace oskava
