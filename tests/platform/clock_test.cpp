#include <string>

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace pocketrix {
namespace {

TEST(Calendar, KnowsLeapYearsAndMonthLengths)
{
    struct Case {
        int year, month, days;
    } cases[] = {{2000, 2, 29}, {2024, 2, 29},  {1900, 2, 28}, {2100, 2, 28},  {2026, 2, 28}, {2026, 1, 31},
                 {2026, 4, 30}, {2026, 12, 31}, {1700, 2, 28}, {40000, 2, 29}, {32900, 2, 28}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        EXPECT_EQ(daysInMonth(c.year, c.month), c.days);
        EXPECT_EQ(isLeapYear(c.year), c.month == 2 && c.days == 29);
    }
}

TEST(Calendar, KnowsWeekdaysFromYearOneOn)
{
    struct Case {
        int year, month, day, weekday;
    } cases[] = {{1, 1, 1, 2},      {2026, 12, 7, 2}, {9999, 12, 31, 6}, {10000, 1, 1, 7},
                 {100000, 1, 1, 7}, {2026, 13, 1, 1}, {0, 6, 1, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(weekdayOf(c.year, c.month, c.day), c.weekday) << c.year << "-" << c.month << "-" << c.day;
}

} // namespace
} // namespace pocketrix
