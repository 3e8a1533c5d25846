#include <QImage>
#include <gtest/gtest.h>

#include "controls/stretchedpicture.h"
#include "pages/mainform.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// The world map keeps its stored picture and is drawn stretched over the whole control.
TEST(StretchedPicture, TheWorldMapIsDrawnStretched)
{
    const test::ProgramUnderTest program;
    auto* map = program.main->findChild<StretchedPicture*>("Image1");
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->image().size(), QSize(480, 180));
    EXPECT_EQ(map->image().format(), QImage::Format_Indexed8) << "kept at a byte a pixel";
    const QImage drawn = map->grab().toImage();
    ASSERT_EQ(drawn.size(), QSize(373, 105));
    const QImage expected =
        map->image().scaled(373, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(drawn.format());
    EXPECT_EQ(drawn, expected);
}

} // namespace
} // namespace pocketrix
