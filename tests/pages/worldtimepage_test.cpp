#include <string>
#include <vector>

#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "pages/mainform.h"
#include "pages/worldtimepage.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// The time labels in the order of the city table.
const char* const kTimeLabels[] = {"Label9",  "Label6",  "Label16", "Label10", "Label12",
                                   "Label20", "Label13", "Label22", "Label17", "Label24"};

class WorldTimePageTest : public ::testing::Test, public test::PageOn<WorldTimePage> {
protected:
    WorldTimePageTest() : PageOn(test::reading(2026, 12, 7)) {}

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

// The world clock's labels size themselves to their text once their page shows.
TEST(WorldTimePage, TheCityTimesFitTheirTextWhenThePageShows)
{
    const test::ProgramUnderTest program;
    Tmainform* main = program.main;
    auto* pages = main->findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    main->show();
    pages->setCurrentWidget(main->findChild<QWidget*>("TabSheet4"));
    EXPECT_EQ(main->findChild<QLabel*>("Label9")->text().toStdString(), "22:28");
    for (const char* name :
         {"Label9", "Label6", "Label16", "Label10", "Label12", "Label20", "Label13", "Label22", "Label17", "Label24"}) {
        SCOPED_TRACE(name);
        auto* label = main->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->size(), label->sizeHint());
    }
}

} // namespace
} // namespace pocketrix
