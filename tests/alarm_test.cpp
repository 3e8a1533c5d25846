#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "app/shell/windowset.h"
#include "pages/alarmtime.h"
#include "pages/alring3.h"
#include "pages/mainform.h"
#include "pages/mediaplayer.h"
#include "tests/doubles.h"
#include "tests/fakewave.h"

namespace pocketrix {
namespace {

TEST(AlarmTime, StepsWrapWithinTheirOwnField)
{
    struct Case {
        const char* before;
        bool hour;
        int delta;
        const char* after;
    } cases[] = {
        {"23:15", true, +1, "00:15"},  {"00:15", true, -1, "23:15"},  {"09:00", true, +1, "10:00"},
        {"10:00", true, -1, "09:00"},  {"08:59", false, +1, "08:00"}, {"08:00", false, -1, "08:59"},
        {"23:59", false, +1, "23:00"}, {"07:29", false, +1, "07:30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + (c.hour ? " hour " : " minute ") + std::to_string(c.delta));
        const std::string text = c.hour ? stepAlarmHour(c.before, c.delta) : stepAlarmMinute(c.before, c.delta);
        EXPECT_EQ(text, c.after);
    }
}

TEST(MediaPlayer, RewindsOnlyAfterPlayingToTheEnd)
{
    struct Case {
        std::uint64_t position;
        bool seeks;
    } cases[] = {{6000, true}, {0, false}, {2500, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        test::FakeWavePlayer device;
        MediaPlayer player;
        player.setDevice(&device);
        player.setFileName("/sounds/albeep.wav");
        player.Open();
        device.at = c.position;
        device.calls.clear();
        player.Play();
        const std::vector<std::string> expected =
            c.seeks ? std::vector<std::string>{"seek", "play"} : std::vector<std::string>{"play"};
        EXPECT_EQ(device.calls, expected);
    }
}

// A failed check only tells; what decides is whether the play itself sounds.
TEST(MediaPlayer, RaisesOnlyWhenThePlayItselfFails)
{
    struct Case {
        const char* what;
        bool checkFails;
        bool playRefused;
        bool raises;
    } cases[] = {
        {"the check failed, the output works", true, false, false},
        {"the check failed, no output", true, true, true},
        {"the check passed, the output went away", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeWavePlayer device;
        if (c.checkFails)
            device.openFailure = "Couldn't open /sounds/albeep.wav";
        device.playRefused = c.playRefused;
        MediaPlayer player;
        player.setDevice(&device);
        EXPECT_EQ(
            [&] {
                try {
                    player.Open();
                } catch (const Error&) {
                    return true;
                }
                return false;
            }(),
            c.checkFails);
        try {
            player.Play();
            EXPECT_FALSE(c.raises);
        } catch (const Error& error) {
            EXPECT_TRUE(c.raises);
            EXPECT_STREQ(error.what(), "No MCI device open");
        }
        EXPECT_EQ(device.count("play"), 1) << "every play tries the output";
    }
}

// The main window and the ringing window in a window set, on a settable clock.
class AlarmRoad : public ::testing::Test {
protected:
    test::SettableClock clock{2026, 12, 7, 7, 0, 0};
    LocaleValues locale;
    Services services{clock, locale};
    test::FakeWavePlayer device;
    test::RecordedErrors errors;
    DeferredStart deferred{errors};
    int systemBeeps = 0;
    std::unique_ptr<WindowSet> windows;
    Tmainform* main = nullptr;
    TForm2* ringing = nullptr;

    void SetUp() override { start(); }

    void start()
    {
        windows = std::make_unique<WindowSet>(errors);
        main = windows->add(WindowSet::mainform, std::make_unique<Tmainform>(services, *windows, errors));
        ringing = windows->add(WindowSet::Form2, std::make_unique<TForm2>(*windows, errors, deferred, device));
        main->setOtherWindows({.ringing = ringing});
        ringing->setSystemBeep([this] { ++systemBeeps; });
        // The ticks are driven by the test; the real ones would interleave.
        ringing->findChild<QTimer*>("Timer1")->stop();
        main->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(4);
        windows->show(main);
        deferred.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows->activeWindow() == main; }));
    }

    void TearDown() override { windows.reset(); }

    template <class T> T* control(const char* name) const { return main->findChild<T*>(name); }
    QString display() const { return control<QLabel>("Label27")->text(); }
    QString buttonShown() const
    {
        const bool set = !control<QPushButton>("Button1")->isHidden();
        const bool cancel = !control<QPushButton>("Button2")->isHidden();
        EXPECT_NE(set, cancel) << "exactly one of the two buttons shows";
        return set ? control<QPushButton>("Button1")->text() : control<QPushButton>("Button2")->text();
    }
    void press(const char* name, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            control<QAbstractButton>(name)->click();
    }
    void tickAt(int hour, int minute, int second)
    {
        clock.setTime(hour, minute, second);
        main->Timer1Timer(main);
    }
    void setAlarm(int hour, int minute)
    {
        press("SpeedButton10", hour);
        press("SpeedButton12", minute);
        press("Button1");
    }
    // Gives the focus to a window, of the program or not, as a click on it would.
    void focus(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
    }
    // One tick of the ringing window's timer, under the error rule as its binding runs it.
    void ringingTick()
    {
        errors.runGuarded([&] { ringing->Timer1Timer(ringing); });
    }
    void ringUntilActive()
    {
        ASSERT_TRUE(ringing->isVisible());
        EXPECT_EQ(ringing->Ringing, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows->activeWindow() == ringing; }));
    }
};

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
    EXPECT_EQ(windows->activeWindow(), ringing);

    device.calls.clear();
    for (int tick = 1; tick <= 3; ++tick) {
        ringingTick();
        EXPECT_EQ(device.count("play"), tick);
    }
    EXPECT_EQ(device.count("seek"), 2) << "each later tick finds the short sound finished";

    ringing->findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(ringing->Ringing, 0);
    EXPECT_FALSE(ringing->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows->activeWindow() == main; }));
    EXPECT_EQ(buttonShown(), "Alarm Set");
    EXPECT_EQ(main->state().AlarmSet, 0);
    ringingTick();
    EXPECT_EQ(device.count("play"), 3);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(' ').toStdString();
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
    windows->track(&ours);
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
    (void)QTest::qWaitFor([&] { return windows->activeWindow() == main; });
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
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows->activeWindow() == main; }));
    }
}

} // namespace
} // namespace pocketrix
