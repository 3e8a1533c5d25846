// The Alarm Clock page: setting the alarm by mouse and keyboard, and what cancels it.

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/pages/alarmroad.h"

namespace pocketrix {
namespace {

using test::AlarmRoad;

TEST_F(AlarmRoad, StartsDisarmedAtMidnightAndArrowsOnlyChangeTheDisplay)
{
    EXPECT_EQ(display(), "00:00");
    EXPECT_EQ(buttonShown(), "Alarm Set");
    struct Step {
        const char* button;
        const char* display;
    } steps[] = {{"SpeedButton11", "23:00"}, {"SpeedButton13", "23:59"}, {"SpeedButton12", "23:00"},
                 {"SpeedButton10", "00:00"}, {"SpeedButton12", "00:01"}, {"SpeedButton10", "01:01"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        press(step.button);
        EXPECT_EQ(display(), step.display);
        EXPECT_EQ(main->state().AlarmText, step.display);
    }
    EXPECT_EQ(main->state().AlarmSet, 0);
    EXPECT_EQ(buttonShown(), "Alarm Set");
}

TEST_F(AlarmRoad, TheKeyboardAloneSetsTheAlarm)
{
    // Tab from the page tabs reaches the arrows in turn, then the button; Space presses.
    auto* tabs = control<QTabWidget>("PageControl1")->tabBar();
    tabs->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabs->hasFocus(); }));
    struct Step {
        Qt::Key key;
        const char* focused;
        const char* display;
    } steps[] = {{Qt::Key_Tab, "SpeedButton10", "00:00"},   {Qt::Key_Space, "SpeedButton10", "01:00"},
                 {Qt::Key_Tab, "SpeedButton11", "01:00"},   {Qt::Key_Space, "SpeedButton11", "00:00"},
                 {Qt::Key_Tab, "SpeedButton12", "00:00"},   {Qt::Key_Space, "SpeedButton12", "00:01"},
                 {Qt::Key_Tab, "SpeedButton13", "00:01"},   {Qt::Key_Space, "SpeedButton13", "00:00"},
                 {Qt::Key_Space, "SpeedButton13", "00:59"}, {Qt::Key_Tab, "Button1", "00:59"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.focused);
        QTest::keyClick(QApplication::focusWidget(), step.key);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), step.focused);
        EXPECT_EQ(display(), step.display);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(main->state().AlarmSet, 1);
    EXPECT_EQ(buttonShown(), "Cancel Alarm");
}

TEST_F(AlarmRoad, SettingTheAlarmInItsOwnMinuteDoesNotRingThen)
{
    tickAt(7, 30, 10);
    setAlarm(7, 30);
    tickAt(7, 30, 40);
    tickAt(7, 31, 0);
    tickAt(7, 29, 0);
    EXPECT_FALSE(ringing->isVisible());
    tickAt(7, 30, 0); // the same time next day, as far as the comparison goes
    EXPECT_TRUE(ringing->isVisible());
}

TEST_F(AlarmRoad, ComingBackFromAnotherWindowOfTheProgramCancelsButNotFromAnotherApplication)
{
    QWidget ours;
    QWidget otherApplication;
    windows.track(&ours);
    for (QWidget* window : {&ours, &otherApplication}) {
        window->resize(100, 100);
        window->show();
        focus(window);
    }
    focus(main);
    struct Case {
        QWidget* away;
        const char* shown;
        int alarmSet;
    } cases[] = {{&otherApplication, "Cancel Alarm", 1}, {&ours, "Alarm Set", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        if (main->state().AlarmSet == 0)
            press("Button1");
        focus(c.away);
        focus(main);
        EXPECT_EQ(buttonShown(), c.shown);
        EXPECT_EQ(main->state().AlarmSet, c.alarmSet);
    }
}

} // namespace
} // namespace pocketrix
