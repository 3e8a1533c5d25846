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

// A few bytes of pixels under a header 31850504 pixels wide: the file holds far fewer rows
// than its header claims, so it is refused before anything is decoded, and the image
// keeps the picture it had.
TEST(FuzzFindings, AFewBytesUnderAHugeHeaderAreNoPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string name = dir.filePath("wide.bmp").toStdString();
    std::ofstream(name, std::ios::binary) << bitmapHeader(31850504, 1, 24, std::string(15, '\x66'));

    QLabel image;
    image.resize(16, 16);
    try {
        loadPicture(&image, name);
        ADD_FAILURE() << "the bitmap was accepted";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Bitmap image is not valid");
    }
    EXPECT_TRUE(image.pixmap().isNull());
    EXPECT_EQ(image.size(), QSize(16, 16));
}

} // namespace
} // namespace pocketrix
