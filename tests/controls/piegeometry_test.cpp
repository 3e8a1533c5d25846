#include <cmath>

#include <gtest/gtest.h>

#include "controls/piegeometry.h"

namespace pocketrix {
namespace {

TEST(PieGeometry, StartPointsOfBothGauges)
{
    struct Case {
        int percent;
        PiePoint small; // 73 x 65
        PiePoint large; // 125 x 113
    } cases[] = {
        {0, {36, 64}, {62, 112}},  {1, {38, 0}, {66, 0}},     {12, {61, 9}, {104, 15}},
        {25, {72, 32}, {124, 56}}, {50, {36, 64}, {62, 112}}, {75, {0, 32}, {0, 56}},
        {88, {11, 9}, {20, 15}},   {99, {34, 0}, {58, 0}},    {100, {36, 0}, {62, 0}},
    };
    const PieRect small = paintRect(73, 65, true);
    const PieRect large = paintRect(125, 113, true);
    EXPECT_EQ(pieEndPoint(small), (PiePoint{36, 0}));
    EXPECT_EQ(pieEndPoint(large), (PiePoint{62, 0}));
    for (const auto& c : cases) {
        if (c.percent == 0)
            continue; // no slice is drawn at 0
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(pieStartPoint(small, c.percent), c.small);
        EXPECT_EQ(pieStartPoint(large, c.percent), c.large);
    }
}

TEST(PieGeometry, PaintRectangleLosesOnePixelToTheBorder)
{
    const PieRect framed = paintRect(73, 65, true);
    EXPECT_EQ(framed.left, 1);
    EXPECT_EQ(framed.top, 1);
    EXPECT_EQ(framed.right, 72);
    EXPECT_EQ(framed.bottom, 64);
    const PieRect bare = paintRect(73, 65, false);
    EXPECT_EQ(bare.left, 0);
    EXPECT_EQ(bare.right, 73);
    EXPECT_EQ(bare.bottom, 65);
}

TEST(PieGeometry, ShownPercentTruncatesAndSurvivesAnEmptyRange)
{
    struct Case {
        int progress, minValue, maxValue, shown;
    } cases[] = {{25, 0, 100, 25}, {19, 0, 1000, 1},     {999, 0, 1000, 99},
                 {5, 5, 5, 0},     {-50, -100, 100, 25}, {7, 0, 9, 77}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.progress);
        EXPECT_EQ(shownPercent(c.progress, c.minValue, c.maxValue), c.shown);
    }
}

// In QPainter's terms the slice runs counterclockwise from its start to 12 o'clock.
TEST(PieGeometry, AnglesSweepCounterclockwiseToTwelveOClock)
{
    const PieRect rect = paintRect(73, 65, true);
    struct Case {
        int percent;
        double startDegrees, spanDegrees;
    } cases[] = {{25, 0, 90}, {50, -90, 180}, {75, -180, 270}, {12, 47, 43}, {1, 86, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        const PieAngles angles = pieAngles(rect, pieStartPoint(rect, c.percent), pieEndPoint(rect));
        const double start = std::remainder(angles.start / 16.0 - c.startDegrees, 360.0);
        EXPECT_NEAR(start, 0.0, 2.5);
        EXPECT_NEAR(angles.span / 16.0, c.spanDegrees, 2.5);
    }
    EXPECT_EQ(pieAngles(rect, pieStartPoint(rect, 100), pieEndPoint(rect)).span, 360 * 16);
}

} // namespace
} // namespace pocketrix
