#include <filesystem>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "controls/piegauge.h"
#include "pages/mainform.h"
#include "pages/systemfigures.h"
#include "pages/systempage.h"
#include "pages/warning.h"
#include "platform/localevalues.h"
#include "tests/doubles.h"
#include "tests/fakedrive.h"
#include "tests/systempageon.h"

namespace pocketrix {
namespace {

constexpr std::int64_t MB = 1048576;
constexpr std::int64_t GB = 1024 * MB;

TEST(DriveFigures, TextAndUsedShareOfOneReading)
{
    struct Case {
        const char* what;
        std::int64_t freeBytes, totalBytes;
        const char* text;
        int used;
    } cases[] = {
        {"one byte short of a MB", MB - 1, 100 * MB, "0MB free (1%)", 99},
        {"exactly one MB", MB, 100 * MB, "1MB free (1%)", 99},
        {"one eighth free, 12.5 goes to 12", 1 * GB, 8 * GB, "1024MB free (12%)", 88},
        {"three eighths free, 37.5 goes to 38", 3 * GB, 8 * GB, "3072MB free (38%)", 62},
        {"all free", 8 * GB, 8 * GB, "8192MB free (100%)", 0},
        {"half a percent free goes to 0", MB, 200 * MB, "1MB free (0%)", 100},
        {"nothing free", 0, 8 * GB, "0MB free (0%)", 100},
        {"2 TB with 600 GB free", 600'000'000'000, 2'000'000'000'000, "572204MB free (30%)", 70},
        {"free beyond 32-bit MB counts", 5'000'000 * GB, 10'000'000 * GB, "5120000000MB free (50%)", 50},
        {"failed query", -1, -1, "0MB free (100%)", 0},
        {"no capacity counts as failed", 0, 0, "0MB free (100%)", 0},
        {"more free than capacity reads as all free", 9 * GB, 8 * GB, "8192MB free (100%)", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DriveFigures figures = driveFigures({c.freeBytes, c.totalBytes});
        EXPECT_EQ(freeSpaceText(figures), c.text);
        EXPECT_EQ(figures.usedPercent(), c.used);
        EXPECT_GE(figures.freeMB, 0);
    }
}

TEST(DriveFigures, ThresholdsOfTheList)
{
    const int expected[] = {5, 10, 15, 25, 50, 100};
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(thresholdForItem(index), expected[index]);
    EXPECT_FALSE(thresholdForItem(-1).has_value());
    EXPECT_FALSE(thresholdForItem(6).has_value());
}

TEST(StatvfsDriveQuery, ReportsTheCurrentDirectorysFileSystem)
{
    const DriveSpace space = StatvfsDriveQuery().currentDrive();
    const auto reference = std::filesystem::space(".");
    EXPECT_EQ(space.totalBytes, static_cast<std::int64_t>(reference.capacity));
    EXPECT_GE(space.freeBytes, 0);
    EXPECT_LE(space.freeBytes, space.totalBytes);
}

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
    test::SettableClock clock{2026, 3, 4, 10, 50, 0};
    LocaleValues locale;
    test::FakeDrive drive{0, 8 * GB};
    Services services{clock, locale, nullptr, &drive};
    test::RecordedErrors errors;
    WindowSet windows{errors};
    auto* main = windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows, errors));
    auto* page = main->findChild<SystemPage*>("TabSheet2");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->findChild<QLabel*>("Label4")->text(), "0hrs 0mins");
    EXPECT_EQ(page->findChild<QLabel*>("Label2")->text(), "0MB free (0%)");
    EXPECT_EQ(page->findChild<PieGauge*>("Gauge1")->progress(), 100);
    EXPECT_EQ(page->findChild<QComboBox*>("ComboBox2")->currentIndex(), 0);
    EXPECT_TRUE(page->findChild<QCheckBox*>("CheckBox1")->isChecked());
    auto* warning = windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows, errors));
    main->setOtherWindows({.warning = warning});
    EXPECT_FALSE(warning->isVisible());

    clock.setTime(10, 51, 0);
    page->Timer2Timer(nullptr);
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(warning->gauge()->progress(), 100);
    EXPECT_EQ(page->findChild<QLabel*>("Label4")->text(), "0hrs 1mins");
}

TEST(WarningWindow, DefinitionAndOk)
{
    test::RecordedErrors errors;
    WindowSet windows{errors};
    QWidget* form = windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows, errors));
    EXPECT_EQ(form->windowTitle(), "Warning!");
    EXPECT_EQ(form->size(), QSize(164, 186));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), "Hard disk space is low!");
    auto* gauge = form->findChild<PieGauge*>("Gauge1");
    EXPECT_EQ(gauge->geometry(), QRect(20, 32, 125, 113));
    EXPECT_EQ(gauge->foreColor(), QColor(0, 0, 128));
    EXPECT_EQ(gauge->backColor(), QColor(255, 255, 0));
    EXPECT_EQ(gauge->palette().color(QPalette::Window), QColor(255, 255, 255)) << "white around the disc";

    windows.show(form);
    ASSERT_TRUE(form->isVisible());
    form->close();
    EXPECT_FALSE(form->isVisible()) << "the close box hides it";
    windows.show(form);
    QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace pocketrix
