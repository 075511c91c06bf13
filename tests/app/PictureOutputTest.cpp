#include <gtest/gtest.h>

#include <filesystem>

#include "app/PictureOutput.h"
#include "support/TempDir.h"

namespace oskava {
namespace {

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
