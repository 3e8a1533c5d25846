// Inputs the fuzzers found, kept as cases.
#include <cstdint>
#include <fstream>
#include <string>

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "windows/fronthlp.h"

namespace pocketrix {
namespace {

std::string bitmapHeader(std::int32_t width, std::int32_t height, std::uint16_t depth, const std::string& pixels)
{
    std::string bytes = "BM";
    const auto put = [&bytes](std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    put(static_cast<std::uint32_t>(54 + pixels.size()), 4), put(0, 4), put(54, 4);
    put(40, 4), put(static_cast<std::uint32_t>(width), 4), put(static_cast<std::uint32_t>(height), 4);
    put(1, 2), put(depth, 2), put(0, 4), put(static_cast<std::uint32_t>(pixels.size()), 4);
    put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    return bytes + pixels;
}

// A few bytes of pixels under a header 31850504 pixels wide: the reader fills in the rest,
// and the image is as wide as a widget can be rather than the picture.
TEST(FuzzFindings, APictureWiderThanAnyWidgetLoadsAtTheWidestImage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string name = dir.filePath("wide.bmp").toStdString();
    std::ofstream(name, std::ios::binary) << bitmapHeader(31850504, 1, 24, std::string(15, '\x66'));

    QLabel image;
    loadPicture(&image, name);
    EXPECT_EQ(image.pixmap().size(), QSize(31850504, 1));
    EXPECT_EQ(image.size(), QSize(QWIDGETSIZE_MAX, 1));
}

} // namespace
} // namespace pocketrix
