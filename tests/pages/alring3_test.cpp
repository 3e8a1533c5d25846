// The ringing window: it rings at the alarm's minute, sounds at each tick until "STOP",
// and beeps where no sound can be played.

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/pages/alarmroad.h"

namespace pocketrix {
namespace {

using test::AlarmRoad;

TEST_F(AlarmRoad, RingsAtTheMinuteSoundsEachTickAndStopClearsTheAlarm)
{
    setAlarm(7, 30);
    EXPECT_EQ(display(), "07:30");
    EXPECT_EQ(buttonShown(), "Cancel Alarm");
    EXPECT_EQ(main->state().AlarmSet, 1);

    tickAt(7, 29, 59);
    EXPECT_FALSE(ringing->isVisible());
    tickAt(7, 30, 0);
    EXPECT_EQ(control<QLabel>("Label6")->text(), "02:30") << "the same tick moves the world clock on";
    ringUntilActive();
    EXPECT_EQ(windows.activeWindow(), ringing);

    device.calls.clear();
    for (int tick = 1; tick <= 3; ++tick) {
        ringingTick();
        EXPECT_EQ(device.count("play"), tick);
    }
    EXPECT_EQ(device.count("seek"), 2) << "each later tick finds the short sound finished";

    ringing->findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(ringing->Ringing, 0);
    EXPECT_FALSE(ringing->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == main; }));
    EXPECT_EQ(buttonShown(), "Alarm Set");
    EXPECT_EQ(main->state().AlarmSet, 0);
    ringingTick();
    EXPECT_EQ(device.count("play"), 3);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(' ').toStdString();
}

TEST_F(AlarmRoad, CancelAlarmWhileRingingDoesNotSilence)
{
    setAlarm(7, 30);
    tickAt(7, 30, 0);
    ringUntilActive();
    focus(main);
    EXPECT_EQ(buttonShown(), "Cancel Alarm") << "activation while ringing keeps the alarm";
    press("Button2");
    EXPECT_EQ(buttonShown(), "Alarm Set");
    EXPECT_EQ(main->state().AlarmSet, 0);
    device.calls.clear();
    ringingTick();
    ringingTick();
    EXPECT_EQ(device.count("play"), 2);
    EXPECT_TRUE(ringing->isVisible());
}

TEST_F(AlarmRoad, TheCloseBoxHidesTheWindowButTheSoundGoesOn)
{
    setAlarm(7, 30);
    tickAt(7, 30, 0);
    ringUntilActive();
    ringing->close();
    EXPECT_FALSE(ringing->isVisible());
    EXPECT_EQ(ringing->Ringing, 1);
    (void)QTest::qWaitFor([&] { return windows.activeWindow() == main; });
    EXPECT_EQ(main->state().AlarmSet, 1) << "the main window's activation no longer cancels";
    device.calls.clear();
    ringingTick();
    ringingTick();
    EXPECT_EQ(device.count("play"), 2);

    // The still-set alarm brings the window back the next day; STOP ends it.
    tickAt(7, 31, 0);
    tickAt(7, 30, 0);
    ASSERT_TRUE(ringing->isVisible());
    ringing->findChild<QPushButton*>("Button1")->click();
    device.calls.clear();
    ringingTick();
    EXPECT_EQ(device.count("play"), 0);
}

TEST_F(AlarmRoad, ARefusedPlayBeepsAndIsToldOncePerRinging)
{
    setAlarm(7, 30);
    tickAt(7, 30, 0);
    ringUntilActive();
    device.playRefused = true;
    ringingTick();
    ringingTick();
    EXPECT_EQ(device.count("play"), 2) << "each tick tries again";
    EXPECT_EQ(systemBeeps, 2);
    EXPECT_EQ(errors.messages(), QStringList{"No MCI device open."});
    device.playRefused = false;
    ringingTick();
    EXPECT_EQ(systemBeeps, 2);
}

class AlarmRoadWithoutSound : public AlarmRoad {
protected:
    void SetUp() override
    {
        device.openFailure = "Couldn't open /sounds/albeep.wav";
        device.playRefused = true;
        start();
    }
};

TEST_F(AlarmRoadWithoutSound, TellsOnceAtStartAndOncePerRingingAndBeepsEachTick)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.messages().isEmpty(); }));
    EXPECT_EQ(errors.messages(), QStringList{"Couldn't open /sounds/albeep.wav."});
    errors.clear();

    for (int ringingRound = 0; ringingRound < 2; ++ringingRound) {
        SCOPED_TRACE(ringingRound);
        if (ringingRound == 1)
            tickAt(7, 31, 0);
        setAlarm(ringingRound == 0 ? 7 : 0, ringingRound == 0 ? 30 : 0);
        tickAt(7, 30, 0);
        ringUntilActive();
        systemBeeps = 0;
        for (int tick = 0; tick < 4; ++tick)
            ringingTick();
        EXPECT_EQ(systemBeeps, 4);
        EXPECT_EQ(errors.messages(), QStringList{"No MCI device open."});
        errors.clear();
        ringing->findChild<QPushButton*>("Button1")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == main; }));
    }
}

} // namespace
} // namespace pocketrix
