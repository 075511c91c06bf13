#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
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

TEST(QtCanvasShapes, FilledRectangleCoversItsBoxWithoutRightAndBottomEdges) {
    Picture picture;
    picture.canvas->FillSolidRect(Rect{10, 10, 20, 15}, Rgb(255, 0, 0));
    EXPECT_EQ(picture.Inked(), QRect(QPoint(10, 10), QPoint(19, 14)));
    EXPECT_EQ(picture.At(10, 10), kRed);
    EXPECT_EQ(picture.At(19, 14), kRed);

    // The same box through Rectangle with a brush and no pen.
    Picture other;
    other.canvas->SelectPen(Pen::NullPen());
    other.canvas->SelectBrush(Brush::SolidBrush(Rgb(255, 0, 0)));
    other.canvas->Rectangle(Rect{10, 10, 20, 15});
    EXPECT_EQ(other.Finished(), picture.Finished());
}

TEST(QtCanvasShapes, OutlinesStayInsideTheirBox) {
    Picture picture;
    picture.canvas->SelectBrush(Brush::NullBrush());
    picture.canvas->Rectangle(Rect{10, 10, 20, 20});
    EXPECT_EQ(picture.Inked(), QRect(QPoint(10, 10), QPoint(19, 19)));
    EXPECT_EQ(picture.At(10, 10), kBlack);
    EXPECT_EQ(picture.At(19, 19), kBlack);
    EXPECT_EQ(picture.At(15, 15), kWhite);

    Picture ellipse;
    ellipse.canvas->SelectBrush(Brush::NullBrush());
    ellipse.canvas->Ellipse(Rect{10, 10, 30, 20});
    EXPECT_EQ(ellipse.Inked(), QRect(QPoint(10, 10), QPoint(29, 19)));
    EXPECT_EQ(ellipse.At(20, 15), kWhite);
}

TEST(QtCanvasShapes, DiscWithoutPenIsFilledInsideItsBox) {
    Picture picture;
    picture.canvas->SelectPen(Pen::NullPen());
    picture.canvas->SelectBrush(Brush::SolidBrush(Rgb(255, 0, 0)));
    picture.canvas->Ellipse(Rect{10, 10, 20, 20});
    EXPECT_EQ(picture.Inked(), QRect(QPoint(10, 10), QPoint(19, 19)));
    EXPECT_EQ(picture.At(15, 15), kRed);
    EXPECT_EQ(picture.At(10, 10), kWhite);  // a corner of the box is outside the disc
}

TEST(QtCanvasShapes, PenWidthFollowsTheMapping) {
    Picture picture;
    // Ten logical units per pixel: a pen of 60 units is 6 pixels wide.
    picture.canvas->SetWindowExt(Size{600, 600});
    picture.canvas->SetViewportExt(Size{60, 60});
    picture.canvas->SelectPen(Pen::SolidPen(60, Rgb(0, 0, 0)));
    picture.canvas->MoveTo(Point{0, 300});
    picture.canvas->LineTo(Point{600, 300});
    const QRect inked = picture.Inked();
    EXPECT_EQ(inked.height(), 6);
    EXPECT_EQ(inked.top(), 27);
}

TEST(QtCanvasInversion, LinesLeaveOutTheirEndPoint) {
    // Joined inverting lines must not invert their shared pixel twice.
    Picture picture;
    picture.canvas->SetRasterOp(RasterOp::Invert);
    picture.canvas->MoveTo(Point{10, 10});
    picture.canvas->LineTo(Point{20, 10});
    picture.canvas->LineTo(Point{20, 20});
    EXPECT_EQ(picture.At(10, 10), kBlack);
    EXPECT_EQ(picture.At(20, 10), kBlack);
    EXPECT_EQ(picture.At(20, 19), kBlack);
    EXPECT_EQ(picture.At(20, 20), kWhite);
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

TEST(QtCanvasClip, ExcludedPolygonStaysUnpaintedUntilReset) {
    Picture picture;
    picture.canvas->ExcludeClipPolygon({Point{10, 10}, Point{50, 10}, Point{30, 40}});
    picture.canvas->FillSolidRect(Rect{0, 0, 60, 60}, Rgb(255, 0, 0));
    EXPECT_EQ(picture.At(30, 20), kWhite);
    EXPECT_EQ(picture.At(30, 50), kRed);
    EXPECT_EQ(picture.At(5, 5), kRed);
    picture.canvas->ResetClip();
    picture.canvas->FillSolidRect(Rect{0, 0, 60, 60}, Rgb(0, 0, 0));
    EXPECT_EQ(picture.At(30, 20), kBlack);
}

TEST(QtCanvasClip, WindingRuleKeepsOverlapsExcluded) {
    // A polygon that runs twice round: even-odd filling would leave its inside painted.
    Picture picture;
    const std::vector<Point> twice{Point{10, 10}, Point{50, 10}, Point{50, 50}, Point{10, 50},
                                   Point{10, 10}, Point{50, 10}, Point{50, 50}, Point{10, 50}};
    picture.canvas->ExcludeClipPolygon(twice);
    picture.canvas->FillSolidRect(Rect{0, 0, 60, 60}, Rgb(255, 0, 0));
    EXPECT_EQ(picture.At(30, 30), kWhite);
    EXPECT_EQ(picture.At(5, 30), kRed);
}

TEST(QtCanvasText, AlignmentPlacesTheTextAroundTheReferencePoint) {
    const FontDescription font{20, 400, false, ""};
    struct Case {
        TextAlign align;
        bool rightOfPoint, belowPoint;
    };
    for (const Case& c : {Case{{HAlign::Left, VAlign::Top}, true, true},
                          Case{{HAlign::Right, VAlign::Bottom}, false, false},
                          Case{{HAlign::Right, VAlign::Baseline}, false, false}}) {
        Picture picture(200, 100);
        picture.canvas->SelectFont(font);
        picture.canvas->SetTextAlign(c.align);
        picture.canvas->SetTransparentBackground();
        picture.canvas->TextOut(Point{100, 50}, "Ohm - m");
        const QRect inked = picture.Inked();
        ASSERT_FALSE(inked.isEmpty());
        EXPECT_GT(inked.width(), 30);
        if (c.rightOfPoint) {
            EXPECT_GE(inked.left(), 100);
        } else {
            EXPECT_LT(inked.right(), 100);
        }
        if (c.belowPoint) {
            EXPECT_GE(inked.top(), 50);
        } else {
            EXPECT_LT(inked.bottom(), 50);
        }
    }

    Picture centred(200, 100);
    centred.canvas->SelectFont(font);
    centred.canvas->SetTextAlign(TextAlign{HAlign::Centre, VAlign::Baseline});
    centred.canvas->SetTransparentBackground();
    centred.canvas->TextOut(Point{100, 50}, "HHHH");
    const QRect inked = centred.Inked();
    EXPECT_LE(std::abs(inked.center().x() - 100), 2);
    EXPECT_LE(inked.bottom(), 50);
    EXPECT_GE(inked.bottom(), 48);
}

TEST(QtCanvasText, OpaqueBackgroundIsWhiteAndTransparentKeepsThePicture) {
    Picture picture(200, 60);
    picture.canvas->FillSolidRect(Rect{0, 0, 200, 60}, Rgb(255, 0, 0));
    picture.canvas->SelectFont(FontDescription{20, 400, false, ""});
    picture.canvas->TextOut(Point{10, 10}, "i");
    EXPECT_EQ(picture.At(10, 10), kWhite);
    picture.canvas->SetTransparentBackground();
    picture.canvas->TextOut(Point{100, 10}, "i");
    EXPECT_EQ(picture.At(100, 10), kRed);
}

TEST(QtCanvasText, FontSizeMatchesTheCellHeight) {
    for (int cell : {6, 12, 15, 20, 33, 100}) {
        for (int weight : {400, 700}) {
            QFont font(QStringLiteral("sans-serif"));
            font.setPixelSize(QtCanvas::PixelSizeForCellHeight(cell, weight, QString()));
            font.setWeight(weight == 700 ? QFont::Bold : QFont::Normal);
            const QFontMetrics metrics(font);
            EXPECT_LE(std::abs(metrics.ascent() + metrics.descent() - cell), 1)
                << "cell " << cell << " weight " << weight;
        }
    }
}

// The same small drawing on any device.
void DrawSample(QPainter& painter, const QRect& area) {
    QtCanvas canvas(painter, area);
    canvas.ExcludeClipPolygon({Point{0, 0}, Point{40, 0}, Point{20, 20}});
    canvas.FillSolidRect(Rect{0, 0, 40, 40}, Rgb(0, 80, 255));
    canvas.ResetClip();
    canvas.SelectBrush(Brush::NullBrush());
    canvas.Ellipse(Rect{5, 5, 35, 35});
    canvas.SetTransparentBackground();
    canvas.SelectFont(FontDescription{12, 700, false, ""});
    canvas.TextOut(Point{2, 2}, "S / m");
    EXPECT_FALSE(canvas.SupportsInversion());
}

TEST(QtCanvasDevices, WritesSvgAndPdf) {
    test::TempDir dir;
    const QString svgPath = QString::fromStdString((dir.path() / "sample.svg").string());
    {
        QSvgGenerator svg;
        svg.setFileName(svgPath);
        svg.setSize(QSize(40, 40));
        svg.setViewBox(QRect(0, 0, 40, 40));
        QPainter painter(&svg);
        DrawSample(painter, QRect(0, 0, 40, 40));
    }
    const QString pdfPath = QString::fromStdString((dir.path() / "sample.pdf").string());
    {
        QPdfWriter pdf(pdfPath);
        QPainter painter(&pdf);
        DrawSample(painter, QRect(0, 0, 40, 40));
    }
    QFile svgFile(svgPath);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgBytes = svgFile.readAll();
    EXPECT_TRUE(svgBytes.contains("<svg"));
    EXPECT_TRUE(svgBytes.contains("S / m"));
    // The SVG generator ignores clip regions; the canvas cuts the shapes itself.
    QSvgRenderer renderer(svgBytes);
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter imagePainter(&image);
    renderer.render(&imagePainter, QRectF(0, 0, 40, 40));
    imagePainter.end();
    EXPECT_EQ(image.pixel(20, 4), kWhite);
    EXPECT_EQ(image.pixel(20, 30), qRgb(0, 80, 255));
    QFile pdfFile(pdfPath);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));
}

}  // namespace
}  // namespace oskava
