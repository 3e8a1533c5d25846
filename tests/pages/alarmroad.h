#pragma once
// The alarm's road through the program: set on the Alarm Clock page, rung by the ringing
// window, ended with "STOP". The program starts at 7:00 on 7 December 2026 on that page;
// the test sets the clock and runs the one-second ticks of both windows itself.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "pages/alring3.h"
#include "pages/mainform.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix::test {

class AlarmRoad : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    void start()
    {
        main->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(4);
        program.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == main; }));
    }

    ProgramUnderTest program{
        {.now = reading(2026, 12, 7, 7, 0, 0), .testTicksTheRinging = true, .inFolderWithHelp = true}};
    // The parts of the program the roads use.
    SettableClock& clock = program.clock;
    FakeWavePlayer& device = program.sound;
    RecordedErrors& errors = program.errors;
    int& systemBeeps = program.beeps;
    WindowSet& windows = program.windows;
    Tmainform* main = program.main;
    TForm2* ringing = program.ringing;

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
    void setAlarm(int hour, int minute) { program.setAlarm(hour, minute); }
    // Gives the focus to a window, of the program or not, as a click on it would.
    void focus(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
    }
    void ringingTick() { program.ringingTick(); }
    void ringUntilActive()
    {
        ASSERT_TRUE(ringing->isVisible());
        EXPECT_EQ(ringing->Ringing, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == ringing; }));
    }
};

} // namespace pocketrix::test
