#include <QColor>
#include <gtest/gtest.h>

#include "pages/jottercolours.h"

namespace pocketrix {
namespace {

TEST(JotterColours, CycleThroughTheTableAndWrapAtThirteen)
{
    const QColor expected[] = {{0, 128, 0},   {128, 0, 128},   {0, 128, 128}, {255, 0, 0},
                               {255, 255, 0}, {0, 0, 255},     {255, 0, 255}, {192, 192, 192},
                               {0, 0, 0},     {255, 255, 255}, {128, 0, 0},   {0, 0, 128}};
    int count = 0;
    for (int press = 1; press <= 12; ++press) {
        const JotterColouring next = nextJotterColouring(count);
        EXPECT_EQ(next.count, press);
        ASSERT_TRUE(next.colour.has_value());
        EXPECT_EQ(*next.colour, expected[press - 1]);
        count = next.count;
    }
    const JotterColouring thirteenth = nextJotterColouring(count);
    EXPECT_EQ(thirteenth.count, 1);
    EXPECT_FALSE(thirteenth.colour.has_value());
    EXPECT_EQ(*nextJotterColouring(thirteenth.count).colour, expected[1]);
}

} // namespace
} // namespace pocketrix
