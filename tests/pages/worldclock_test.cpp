#include <gtest/gtest.h>

#include "pages/worldclock.h"

namespace pocketrix {
namespace {

TEST(WorldClock, OneCorrectionEachWayKeepsTheHourInTheDay)
{
    struct Case {
        int before, after;
    } cases[] = {
        {-16, 8}, {-8, 16}, {-1, 23}, {0, 0}, {9, 9}, {23, 23}, {24, 0}, {26, 2}, {32, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(wrapCityHour(c.before), c.after);
    }
}

} // namespace
} // namespace pocketrix
