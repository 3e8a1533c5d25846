#include <QLabel>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "pages/worldclock.h"
#include "pages/worldtimepage.h"
#include "tests/doubles.h"

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

// The time labels in the order of the city table.
const char* const kTimeLabels[] = {"Label9",  "Label6",  "Label16", "Label10", "Label12",
                                   "Label20", "Label13", "Label22", "Label17", "Label24"};

class WorldTimePageTest : public ::testing::Test {
protected:
    test::SettableClock clock{2026, 12, 7};
    LocaleValues locale;
    Services services{clock, locale};
    ClockState state;
    test::RecordedErrors errors;
    WindowSet windows{errors};
    PageContext context{state, services, windows, errors, {}};
    WorldTimePage page;

    void SetUp() override { page.attach(context); }

    std::vector<std::string> shown() const
    {
        std::vector<std::string> texts;
        for (const char* name : kTimeLabels)
            texts.push_back(page.findChild<QLabel*>(name)->text().toStdString());
        return texts;
    }
};

TEST_F(WorldTimePageTest, ShowsEveryCityAtItsOffsetWithTheLocalMinutes)
{
    struct Case {
        int hour, minute;
        std::vector<std::string> times; // London, New York, Tokyo, Paris, Moscow, Hong Kong, Sydney, Cairo, L.A., Rio
    } cases[] = {
        {22, 28, {"22:28", "17:28", "06:28", "23:28", "01:28", "05:28", "07:28", "23:28", "14:28", "18:28"}},
        {0, 5, {"00:05", "19:05", "08:05", "01:05", "03:05", "07:05", "09:05", "01:05", "16:05", "20:05"}},
        {3, 7, {"03:07", "22:07", "11:07", "04:07", "06:07", "10:07", "12:07", "04:07", "19:07", "23:07"}},
        {23, 59, {"23:59", "18:59", "07:59", "00:59", "02:59", "06:59", "08:59", "00:59", "15:59", "19:59"}},
        {15, 0, {"15:00", "10:00", "23:00", "16:00", "18:00", "22:00", "00:00", "16:00", "07:00", "11:00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
        clock.setTime(c.hour, c.minute, 41);
        page.UpdateTime();
        EXPECT_EQ(shown(), c.times);
    }
}

TEST_F(WorldTimePageTest, TokyoLeadsByEightAndCairoKeepsParisHourAllDay)
{
    for (int hour = 0; hour < 24; ++hour) {
        SCOPED_TRACE(hour);
        clock.setTime(hour, 30, 0);
        page.UpdateTime();
        const auto times = shown();
        EXPECT_EQ(std::stoi(times[2].substr(0, 2)), (hour + 8) % 24);
        EXPECT_EQ(times[7], times[3]);
        for (const auto& time : times)
            EXPECT_EQ(time.size(), 5u) << time;
    }
}

} // namespace
} // namespace pocketrix
