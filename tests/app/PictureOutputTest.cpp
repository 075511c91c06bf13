#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <filesystem>

#include "app/PictureOutput.h"
#include "support/TempDir.h"

namespace oskava {
namespace {

// A red box from device (10, 5) to (30, 15), whatever the canvas.
void DrawBox(Canvas& canvas) {
    canvas.FillSolidRect(Rect{10, 5, 30, 15}, Rgb(255, 0, 0));
}

QByteArray ReadAll(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PictureOutputTest, FormatFollowsTheExtension) {
    EXPECT_EQ(PictureFormatOf("out/a.png"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf("A.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("b.Pdf"), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOf("b.jpg"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("png"), std::nullopt);
}

TEST(PictureOutputTest, WritesEachFormatAtTheSurfaceSize) {
    test::TempDir dir;
    const std::filesystem::path png = dir.path() / "p.png";
    ASSERT_EQ(WritePicture(png.string(), PictureFormat::Png, QSize(40, 20), DrawBox), "");
    EXPECT_EQ(QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32),
              PaintImage(QSize(40, 20), DrawBox));

    const std::filesystem::path svg = dir.path() / "p.svg";
    ASSERT_EQ(WritePicture(svg.string(), PictureFormat::Svg, QSize(40, 20), DrawBox), "");
    EXPECT_TRUE(ReadAll(svg).contains("viewBox=\"0 0 40 20\""));

    const std::filesystem::path pdf = dir.path() / "p.pdf";
    ASSERT_EQ(WritePicture(pdf.string(), PictureFormat::Pdf, QSize(40, 20), DrawBox), "");
    const QByteArray bytes = ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 40.000000 20.000000]"));
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
