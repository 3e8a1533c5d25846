#include <cstdint>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/piegauge.h"
#include "pages/mainform.h"
#include "pages/systempage.h"
#include "pages/warning.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

using test::GB;
using test::MB;

// The page on a 16 GB drive with 4 GB free.
class SystemPageTest : public ::testing::Test, public test::SystemPageOn {
protected:
    SystemPageTest() : SystemPageOn(4 * GB, 16 * GB) {}
};

TEST_F(SystemPageTest, ShowsTheDriveAsTextAndPie)
{
    refresh();
    EXPECT_EQ(label("Label2")->text(), "4096MB free (25%)");
    EXPECT_EQ(pageGauge()->progress(), 75);
    EXPECT_GE(label("Label2")->width(), label("Label2")->sizeHint().width()) << "the label fits its text";

    drive.fail();
    refresh();
    EXPECT_EQ(label("Label2")->text(), "0MB free (100%)");
    EXPECT_EQ(pageGauge()->progress(), 0);
}

TEST_F(SystemPageTest, WarnsOnlyStrictlyBelowTheThreshold)
{
    struct Case {
        int item;
        std::int64_t freeBytes;
        bool warns;
    } cases[] = {
        {0, 5 * MB, false}, {0, 5 * MB - 1, true}, {5, 100 * MB, false}, {5, 100 * MB - 1, true}, {2, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + ": " + std::to_string(c.freeBytes));
        windows.hide(warning());
        checkBox()->setChecked(true);
        comboBox()->setCurrentIndex(c.item);
        drive.set(c.freeBytes, 1000 * MB);
        refresh();
        EXPECT_EQ(warning()->isVisible(), c.warns);
        EXPECT_EQ(checkBox()->isChecked(), !c.warns);
    }
}

TEST_F(SystemPageTest, WarnsOnceUntilTheBoxIsTickedAgain)
{
    drive.set(4 * MB, 8 * MB); // 50 % used
    refresh();
    ASSERT_TRUE(warning()->isVisible());
    EXPECT_EQ(warning()->gauge()->progress(), 50);
    EXPECT_FALSE(checkBox()->isChecked());

    QTest::mouseClick(warning()->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(warning()->isVisible());

    drive.set(1 * MB, 8 * MB);
    refresh();
    refresh();
    EXPECT_FALSE(warning()->isVisible()) << "silent while the box is unticked";
    EXPECT_EQ(warning()->gauge()->progress(), 50) << "keeps the value it had when it fired";
    EXPECT_EQ(pageGauge()->progress(), 88);

    checkBox()->setChecked(true);
    refresh();
    EXPECT_TRUE(warning()->isVisible());
    EXPECT_EQ(warning()->gauge()->progress(), 88);
    EXPECT_FALSE(checkBox()->isChecked());
}

TEST_F(SystemPageTest, ThresholdKeepsItsValueWithNoItemSelected)
{
    comboBox()->setCurrentIndex(3);
    refresh();
    EXPECT_EQ(state.ThresholdMB, 25);
    comboBox()->setCurrentIndex(-1);
    refresh();
    EXPECT_EQ(state.ThresholdMB, 25);
}

TEST_F(SystemPageTest, TimeSinceStartupInWholeClockMinutesModuloADay)
{
    struct Case {
        const char* start;
        int day, hour, minute, second;
        const char* text;
    } cases[] = {
        {"10:50:00", 4, 10, 50, 30, "0hrs 0mins"},  {"10:50:59", 4, 10, 51, 0, "0hrs 1mins"},
        {"23:50:00", 5, 0, 10, 0, "0hrs 20mins"},   {"10:50:00", 4, 11, 10, 0, "0hrs 20mins"},
        {"10:50:00", 5, 10, 49, 0, "23hrs 59mins"}, {"10:50:00", 5, 11, 50, 0, "1hrs 0mins"},
        {"09:00:00", 4, 11, 5, 0, "2hrs 5mins"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.text);
        state.StartTime = c.start;
        clock.set(2026, 3, c.day, c.hour, c.minute, c.second);
        refresh();
        EXPECT_EQ(label("Label4")->text(), c.text);
    }
}

// The real start-up order: the first refresh runs before a threshold is chosen and
// before the warning window exists, so low space warns only at the first tick.
TEST(SystemStartup, LowSpaceWarnsAtTheFirstTickNotAtStartup)
{
    test::ProgramUnderTest program{{.now = test::reading(2026, 3, 4, 10, 50, 0), .drive = {0, 8 * GB}}};
    auto* page = program.main->findChild<SystemPage*>("TabSheet2");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->findChild<QLabel*>("Label4")->text(), "0hrs 0mins");
    EXPECT_EQ(page->findChild<QLabel*>("Label2")->text(), "0MB free (0%)");
    EXPECT_EQ(page->findChild<PieGauge*>("Gauge1")->progress(), 100);
    EXPECT_EQ(page->findChild<QComboBox*>("ComboBox2")->currentIndex(), 0);
    EXPECT_TRUE(page->findChild<QCheckBox*>("CheckBox1")->isChecked());
    TForm4* warning = program.warning;
    EXPECT_FALSE(warning->isVisible());

    program.clock.setTime(10, 51, 0);
    page->Timer2Timer(nullptr);
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(warning->gauge()->progress(), 100);
    EXPECT_EQ(page->findChild<QLabel*>("Label4")->text(), "0hrs 1mins");
}

} // namespace
} // namespace pocketrix
