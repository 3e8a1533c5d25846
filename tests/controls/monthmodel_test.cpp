#include <array>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "controls/monthmodel.h"

namespace pocketrix {
namespace {

TEST(MonthModel, PlacesTheDaysOfAMonth)
{
    struct Case {
        const char* what;
        int year, month, startOfWeek, offset;
        std::vector<std::pair<int, GridCell>> days;
        std::vector<int> blankRows;
    } cases[] = {
        {"December 2026 starts on a Tuesday", 2026, 12, 0, -1, {{1, {2, 1}}, {7, {1, 2}}, {31, {4, 5}}}, {6}},
        {"February 2026 starts on a Sunday", 2026, 2, 0, 1, {{1, {0, 1}}, {28, {6, 4}}}, {5, 6}},
        {"August 2026 starts on a Saturday", 2026, 8, 0, -5, {{1, {6, 1}}, {31, {1, 6}}}, {}},
        {"Monday first, December 2026", 2026, 12, 1, 0, {{1, {1, 1}}, {7, {0, 2}}}, {6}},
        {"Monday first, February 2026", 2026, 2, 1, -5, {{1, {6, 1}}, {28, {5, 5}}}, {6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MonthModel model({c.year, c.month, 1}, c.startOfWeek);
        EXPECT_EQ(model.offset(), c.offset);
        for (const auto& [day, cell] : c.days) {
            EXPECT_EQ(model.cellOfDay(day), cell) << "day " << day;
            EXPECT_EQ(model.dayAt(cell), day);
        }
        for (const int row : c.blankRows)
            for (int column = 0; column < 7; ++column)
                EXPECT_EQ(model.dayAt({column, row}), 0) << column << "," << row;
    }
}

TEST(MonthModel, CellTextIsTheDayNameOrTheDayNumber)
{
    const std::array<std::string, 7> names{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    const MonthModel sundayFirst({2026, 12, 7}, 0);
    EXPECT_EQ(sundayFirst.cellText({0, 0}, names), "So");
    EXPECT_EQ(sundayFirst.cellText({6, 0}, names), "Sa");
    EXPECT_EQ(sundayFirst.cellText({1, 1}, names), "");
    EXPECT_EQ(sundayFirst.cellText({2, 1}, names), "1");
    EXPECT_EQ(sundayFirst.cellText({4, 5}, names), "31");
    EXPECT_EQ(sundayFirst.cellText({5, 5}, names), "");
    const MonthModel saturdayFirst({2026, 12, 7}, 6);
    EXPECT_EQ(saturdayFirst.cellText({0, 0}, names), "Sa");
    EXPECT_EQ(saturdayFirst.cellText({1, 0}, names), "So");
}

TEST(MonthModel, DateElementSetter)
{
    struct Case {
        const char* what;
        CalendarDate start;
        DateElement element;
        int value;
        CalendarDate after;
        bool changed;
        bool fails;
    } cases[] = {
        {"31 January to February fails", {2026, 1, 31}, DateElement::Month, 2, {2026, 1, 31}, false, true},
        {"31 January to March", {2026, 1, 31}, DateElement::Month, 3, {2026, 3, 31}, true, false},
        {"30 April, day 31 is ignored", {2026, 4, 30}, DateElement::Day, 31, {2026, 4, 30}, false, false},
        {"29 February 2028 a year on fails", {2028, 2, 29}, DateElement::Year, 2029, {2028, 2, 29}, false, true},
        {"29 February 2028 four years on", {2028, 2, 29}, DateElement::Year, 2032, {2032, 2, 29}, true, false},
        {"year 10000 fails", {2026, 12, 7}, DateElement::Year, 10000, {2026, 12, 7}, false, true},
        {"year 9999", {2026, 12, 7}, DateElement::Year, 9999, {9999, 12, 7}, true, false},
        {"month 13 is ignored", {2026, 12, 7}, DateElement::Month, 13, {2026, 12, 7}, false, false},
        {"same year", {2026, 12, 7}, DateElement::Year, 2026, {2026, 12, 7}, false, false},
        {"same month", {2026, 12, 7}, DateElement::Month, 12, {2026, 12, 7}, false, false},
        {"same day", {2026, 12, 7}, DateElement::Day, 7, {2026, 12, 7}, false, false},
        {"zero day", {2026, 12, 7}, DateElement::Day, 0, {2026, 12, 7}, false, false},
        {"negative year", {2026, 12, 7}, DateElement::Year, -5, {2026, 12, 7}, false, false},
        {"negative month", {2026, 12, 7}, DateElement::Month, -1, {2026, 12, 7}, false, false},
        {"day 15", {2026, 12, 7}, DateElement::Day, 15, {2026, 12, 15}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MonthModel model(c.start);
        const int offsetBefore = model.offset();
        if (c.fails) {
            try {
                model.setElement(c.element, c.value);
                ADD_FAILURE() << "no error";
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "Invalid argument to date encode");
            }
            EXPECT_EQ(model.offset(), offsetBefore);
        } else {
            EXPECT_EQ(model.setElement(c.element, c.value), c.changed);
        }
        EXPECT_EQ(model.date(), c.after);
    }
}

} // namespace
} // namespace pocketrix
