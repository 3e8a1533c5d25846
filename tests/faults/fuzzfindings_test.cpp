// Inputs the fuzzers found, kept as cases.
#include <string>

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/doubles/plain.h"
#include "windows/fronthlp.h"

namespace pocketrix {
namespace {

// A few bytes of pixels under a header 31850504 pixels wide: the file holds far fewer rows
// than its header claims, so it is refused before anything is decoded, and the image
// keeps the picture it had.
TEST(FuzzFindings, AFewBytesUnderAHugeHeaderAreNoPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string name = dir.filePath("wide.bmp").toStdString();
    test::writeFile(name, test::bitmapFile({.width = 31850504, .height = 1, .depth = 24, .imageSize = 15},
                                           std::string(15, '\x66')));

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
