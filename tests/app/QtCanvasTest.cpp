#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include "app/QtCanvas.h"
#include "support/TempDir.h"

namespace oskava {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

// A white image painted through a QtCanvas whose mapping is the identity, so that
// logical coordinates are pixels.
class Picture {
  public:
    explicit Picture(int width = 60, int height = 60) : image(width, height, QImage::Format_RGB32) {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<QtCanvas>(*painter, image.rect());
    }
    QRgb At(int x, int y) {
        painter->end();
        const QRgb pixel = image.pixel(x, y) | 0xff000000;
        painter->begin(&image);
        return pixel;
    }
    /// The smallest rectangle holding every pixel that is not white.
    QRect Inked() {
        painter->end();
        QRect inked;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if ((image.pixel(x, y) | 0xff000000) != kWhite) {
                    inked |= QRect(x, y, 1, 1);
                }
            }
        }
        painter->begin(&image);
        return inked;
    }
    QImage Finished() {
        painter->end();
        return image;
    }

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<QtCanvas> canvas;
};

TEST(QtCanvasShapes, ShapesCoverTheirBoxWithoutRightAndBottomEdges) {
    Picture fill;
    fill.canvas->FillSolidRect(Rect{10, 10, 20, 15}, Rgb(255, 0, 0));
    EXPECT_EQ(fill.Inked(), QRect(QPoint(10, 10), QPoint(19, 14)));
    EXPECT_EQ(fill.At(19, 14), kRed);

    Picture outline;
    outline.canvas->SelectBrush(Brush::NullBrush());
    outline.canvas->Rectangle(Rect{10, 10, 20, 20});
    outline.canvas->Ellipse(Rect{30, 10, 50, 20});
    EXPECT_EQ(outline.Inked(), QRect(QPoint(10, 10), QPoint(49, 19)));
    EXPECT_EQ(outline.At(19, 19), kBlack);
    EXPECT_EQ(outline.At(15, 15), kWhite);
    EXPECT_EQ(outline.At(40, 15), kWhite);

    Picture disc;
    disc.canvas->SelectPen(Pen::NullPen());
    disc.canvas->SelectBrush(Brush::SolidBrush(Rgb(255, 0, 0)));
    disc.canvas->Ellipse(Rect{10, 10, 20, 20});
    EXPECT_EQ(disc.Inked(), QRect(QPoint(10, 10), QPoint(19, 19)));
    EXPECT_EQ(disc.At(15, 15), kRed);
    EXPECT_EQ(disc.At(10, 10), kWhite);  // a corner of the box is outside the disc
}

TEST(QtCanvasInversion, DrawingAMarkTwiceRestoresThePicture) {
    Picture picture;
    ASSERT_TRUE(picture.canvas->SupportsInversion());
    for (int k = 0; k < 6; ++k) {
        picture.canvas->FillSolidRect(Rect{k * 10, 0, k * 10 + 10, 60},
                                      Rgb(40 * k, 255 - 40 * k, 90));
    }
    const QImage before = picture.Finished();
    picture.painter->begin(&picture.image);

    const auto mark = [&] {
        QtCanvas& canvas = *picture.canvas;
        const Pen pen = canvas.SelectPen(Pen::BlackPen());
        canvas.SelectBrush(Brush::NullBrush());
        canvas.SetRasterOp(RasterOp::Invert);
        canvas.MoveTo(Point{30, 30});
        canvas.LineTo(Point{24, 24});
        canvas.MoveTo(Point{30, 30});
        canvas.LineTo(Point{36, 24});
        canvas.Ellipse(Rect{5, 5, 25, 25});
        canvas.SelectPen(Pen::SolidPen(6, Rgb(0, 0, 0)));
        canvas.Rectangle(Rect{20, 20, 50, 45});
        canvas.SelectPen(pen);
        canvas.SetRasterOp(RasterOp::Copy);
    };
    mark();
    const QImage marked = picture.Finished();
    EXPECT_NE(marked, before);
    EXPECT_EQ(marked.pixel(20, 20) & 0xffffff, ~before.pixel(20, 20) & 0xffffff);
    picture.painter->begin(&picture.image);
    mark();
    EXPECT_EQ(picture.Finished(), before);
}

TEST(QtCanvasClip, ExcludedPolygonStaysUnpaintedUntilResetWithTheWindingRule) {
    // The polygon runs twice round: even-odd filling would leave its inside painted.
    Picture picture;
    picture.canvas->ExcludeClipPolygon({Point{10, 10}, Point{50, 10}, Point{50, 50}, Point{10, 50},
                                        Point{10, 10}, Point{50, 10}, Point{50, 50},
                                        Point{10, 50}});
    picture.canvas->FillSolidRect(Rect{0, 0, 60, 60}, Rgb(255, 0, 0));
    EXPECT_EQ(picture.At(30, 30), kWhite);
    EXPECT_EQ(picture.At(5, 30), kRed);
    picture.canvas->ResetClip();
    picture.canvas->FillSolidRect(Rect{0, 0, 60, 60}, Rgb(0, 0, 0));
    EXPECT_EQ(picture.At(30, 30), kBlack);
}

// The box of the text's pixels drawn at (100, 50) with the alignment.
QRect TextBox(const TextAlign& align, const std::string& text) {
    Picture picture(200, 100);
    picture.canvas->SelectFont(FontDescription{20, 400, false, ""});
    picture.canvas->SetTextAlign(align);
    picture.canvas->SetTransparentBackground();
    picture.canvas->TextOut(Point{100, 50}, text);
    return picture.Inked();
}

TEST(QtCanvasText, AlignmentPlacesTheTextAroundTheReferencePoint) {
    const QRect leftTop = TextBox({HAlign::Left, VAlign::Top}, "Ohm - m");
    EXPECT_GT(leftTop.width(), 30);
    EXPECT_GE(leftTop.left(), 100);
    EXPECT_GE(leftTop.top(), 50);
    const QRect rightBottom = TextBox({HAlign::Right, VAlign::Bottom}, "Ohm - m");
    EXPECT_LT(rightBottom.right(), 100);
    EXPECT_LT(rightBottom.bottom(), 50);
    const QRect centred = TextBox({HAlign::Centre, VAlign::Baseline}, "HHHH");
    EXPECT_LE(std::abs(centred.center().x() - 100), 2);
    EXPECT_LE(centred.bottom(), 50);
    EXPECT_GE(centred.bottom(), 48);
}

TEST(QtCanvasDevices, SvgShapesAreCutByTheClipThatTheGeneratorIgnores) {
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
        canvas.ResetClip();
        canvas.SetTransparentBackground();
        canvas.SelectFont(FontDescription{12, 700, false, ""});
        canvas.TextOut(Point{2, 2}, "S / m");
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("S / m"));
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter imagePainter(&image);
    QSvgRenderer(bytes).render(&imagePainter, QRectF(0, 0, 40, 40));
    imagePainter.end();
    EXPECT_EQ(image.pixel(20, 4), kWhite);
    EXPECT_EQ(image.pixel(20, 30), qRgb(0, 80, 255));
}

}  // namespace
}  // namespace oskava
