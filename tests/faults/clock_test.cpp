// The clock jumping under the running program: set back, set forward (a suspend), midnight,
// the changes of summer time, a new time zone for the computer, and the end of year 9999.

#include <cstdint>
#include <ctime>
#include <functional>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/monthcalendar.h"
#include "pages/alring3.h"
#include "pages/mainform.h"
#include "pages/systempage.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

using test::LocalZone;

long long utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    std::tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    utc.tm_hour = hour;
    utc.tm_min = minute;
    utc.tm_sec = second;
    return static_cast<long long>(timegm(&utc));
}

// The program on the real local clock, at moments the test sets; the test runs the ticks.
struct RunningProgram {
    std::int64_t utcMilliseconds;
    SystemClock clock{[this] { return utcMilliseconds; }};
    test::ProgramUnderTest program;
    test::RecordedErrors& errors = program.errors;
    Tmainform* main = program.main;
    TForm2* ringing = program.ringing;

    explicit RunningProgram(long long startUtc)
        : utcMilliseconds(startUtc * 1000), program({.drive = {8LL << 30, 16LL << 30},
                                                     .clock = &clock,
                                                     .testTicksTheRinging = true,
                                                     .inFolderWithHelp = true})
    {
        program.start();
        (void)QTest::qWaitFor([&] { return program.windows.activeWindow() == main; });
    }
    void setAlarm(int hour, int minute) { program.setAlarm(hour, minute); }
    // One second tick and one minute tick at the given moment.
    void tickAt(long long utc)
    {
        utcMilliseconds = utc * 1000;
        main->Timer1Timer(main);
        main->findChild<SystemPage*>("TabSheet2")->Timer2Timer(nullptr);
    }
    void stop()
    {
        (void)QTest::qWaitFor([&] { return program.windows.activeWindow() == ringing; });
        ringing->findChild<QPushButton*>("Button1")->click();
        (void)QTest::qWaitFor([&] { return program.windows.activeWindow() == main; });
    }
    QString label(const char* name) const { return main->findChild<QLabel*>(name)->text(); }
};

struct Step {
    long long at;                 // UTC
    const char* title = nullptr;  // what is looked at, where given
    const char* london = nullptr; // the world clock's local city
    const char* uptime = nullptr;
    bool rings = false;
    const char* zone = nullptr; // the computer moves to this zone just before the tick
    bool stop = false;          // "STOP" once it rings
};

struct Road {
    const char* what;
    const char* zone;
    long long start; // UTC
    int alarmHour, alarmMinute;
    std::vector<Step> steps;
};

TEST(ClockJumps, TitleWorldClockUptimeAndAlarmFollowTheClockAsItReads)
{
    // clang-format off
    const std::vector<Road> roads = {
        {"set back an hour: the alarm minute comes again", "Europe/London", utc(2026, 12, 7, 10, 29, 30), 10, 30, {
            {utc(2026, 12, 7, 10, 29, 59), "December 7, 2026  10:29 AM", "10:29", "0hrs 0mins", false},
            {utc(2026, 12, 7, 9, 30, 0), "December 7, 2026  9:30 AM", "09:30", "23hrs 1mins", false},
            {utc(2026, 12, 7, 10, 30, 0), "December 7, 2026  10:30 AM", "10:30", "0hrs 1mins", true}}},
        {"forward a day: the minute skipped is a day back, so only the clock minute counts",
         "Europe/London", utc(2026, 12, 7, 10, 0, 0), 10, 30, {
            {utc(2026, 12, 7, 10, 15, 0), "December 7, 2026  10:15 AM", "10:15", "0hrs 15mins", false},
            {utc(2026, 12, 8, 10, 15, 0), "December 8, 2026  10:15 AM", "10:15", "0hrs 15mins", false},
            {utc(2026, 12, 8, 10, 30, 0), "December 8, 2026  10:30 AM", "10:30", "0hrs 30mins", true}}},
        {"across midnight into a new year", "Europe/London", utc(2026, 12, 31, 23, 58, 0), 0, 0, {
            {utc(2026, 12, 31, 23, 59, 59), "December 31, 2026  11:59 PM", "23:59", "0hrs 1mins", false},
            {utc(2027, 1, 1, 0, 0, 0), "January 1, 2027  12:00 AM", "00:00", "0hrs 2mins", true}}},
        {"summer time ends in London: 1:59 BST is followed by 1:00 GMT",
         "Europe/London", utc(2026, 10, 25, 0, 50, 0), 1, 5, {
            {utc(2026, 10, 25, 0, 59, 59), "October 25, 2026  1:59 AM", "01:59", "0hrs 9mins", false},
            {utc(2026, 10, 25, 1, 0, 0), "October 25, 2026  1:00 AM", "01:00", "23hrs 10mins", false},
            {utc(2026, 10, 25, 1, 5, 0), "October 25, 2026  1:05 AM", "01:05", "23hrs 15mins", true}}},
        {"summer time starts in London: 12:59 GMT is followed by 2:00 BST, which rings for 1:30",
         "Europe/London", utc(2026, 3, 29, 0, 40, 0), 1, 30, {
            {utc(2026, 3, 29, 0, 59, 59), "March 29, 2026  12:59 AM", "00:59", "0hrs 19mins", false},
            {utc(2026, 3, 29, 1, 0, 0), "March 29, 2026  2:00 AM", "02:00", "1hrs 20mins", true}}},
        {"asleep from 6:59 to 7:05 over a 7:00 alarm: it rings at the first tick after",
         "UTC", utc(2026, 12, 7, 6, 59, 30), 7, 0, {
            {utc(2026, 12, 7, 7, 5, 10), "December 7, 2026  7:05 AM", "07:05", nullptr, true}}},
        {"a jump of 89 s over the alarm minute rings", "UTC", utc(2026, 12, 7, 6, 59, 40), 7, 0, {
            {.at = utc(2026, 12, 7, 7, 1, 9), .rings = true}}},
        {"asleep from 6:59 to 8:30: too late to ring, the alarm waits for the next 7:00",
         "UTC", utc(2026, 12, 7, 6, 59, 30), 7, 0, {
            {utc(2026, 12, 7, 8, 30, 0), "December 7, 2026  8:30 AM", "08:30", nullptr, false},
            {.at = utc(2026, 12, 8, 7, 0, 0), .rings = true}}},
        {"25 h forward from 5:30: the 7:00 skipped is 23 h back; the next one rings",
         "UTC", utc(2026, 12, 7, 5, 30, 0), 7, 0, {
            {utc(2026, 12, 8, 6, 30, 0), "December 8, 2026  6:30 AM", "06:30", nullptr, false},
            {.at = utc(2026, 12, 8, 7, 0, 0), .rings = true}}},
        {"set back an hour after STOP: nothing rings twice", "UTC", utc(2026, 12, 7, 6, 59, 50), 7, 0, {
            {.at = utc(2026, 12, 7, 7, 0, 0), .rings = true, .stop = true},
            {.at = utc(2026, 12, 7, 6, 0, 20)},
            {.at = utc(2026, 12, 7, 7, 0, 0)}}},
        {"set back 30 s after STOP: nothing rings twice", "UTC", utc(2026, 12, 7, 6, 59, 50), 7, 0, {
            {.at = utc(2026, 12, 7, 7, 0, 0), .rings = true, .stop = true},
            {.at = utc(2026, 12, 7, 6, 59, 50)},
            {.at = utc(2026, 12, 7, 7, 0, 0)}}},
        {"set at 7:30 for 7:00 with the clock running: nothing was skipped", "UTC", utc(2026, 12, 7, 7, 30, 10), 7, 0, {
            {.at = utc(2026, 12, 7, 7, 31, 0)},
            {.at = utc(2026, 12, 7, 7, 45, 0)}}},
        {"set during its own minute: it rings neither then nor at the next minute",
         "UTC", utc(2026, 12, 7, 7, 0, 20), 7, 0, {
            {.at = utc(2026, 12, 7, 7, 0, 40)},
            {.at = utc(2026, 12, 7, 7, 1, 0)}}},
        {"summer time starts in Berlin: 1:59 is followed by 3:00, which rings for 2:30",
         "Europe/Berlin", utc(2026, 3, 29, 0, 59, 0), 2, 30, {
            {utc(2026, 3, 29, 1, 0, 0), "March 29, 2026  3:00 AM", "03:00", nullptr, true}}},
        {"summer time starts in New York: 1:59 is followed by 3:00, which rings for 2:30",
         "America/New_York", utc(2026, 3, 8, 6, 59, 0), 2, 30, {
            {utc(2026, 3, 8, 7, 0, 0), "March 8, 2026  3:00 AM", "03:00", nullptr, true}}},
        {"summer time ends in Berlin: the hour back rings 2:30 again, set after the first",
         "Europe/Berlin", utc(2026, 10, 25, 0, 45, 0), 2, 30, {
            {utc(2026, 10, 25, 0, 59, 59), "October 25, 2026  2:59 AM", "02:59", nullptr, false},
            {utc(2026, 10, 25, 1, 0, 0), "October 25, 2026  2:00 AM", "02:00", nullptr, false},
            {utc(2026, 10, 25, 1, 30, 0), "October 25, 2026  2:30 AM", "02:30", nullptr, true}}},
        {"summer time ends in New York: the hour back rings 1:30 again, set after the first",
         "America/New_York", utc(2026, 11, 1, 5, 45, 0), 1, 30, {
            {utc(2026, 11, 1, 6, 0, 0), "November 1, 2026  1:00 AM", "01:00", nullptr, false},
            {utc(2026, 11, 1, 6, 30, 0), "November 1, 2026  1:30 AM", "01:30", nullptr, true}}},
        {"the computer moves from UTC to Berlin: title, cities and alarm follow at the next tick",
         "UTC", utc(2026, 12, 7, 10, 0, 30), 11, 2, {
            {utc(2026, 12, 7, 10, 0, 40), "December 7, 2026  11:00 AM", "11:00", nullptr, false, "Europe/Berlin"},
            {utc(2026, 12, 7, 10, 1, 0), "December 7, 2026  11:01 AM", "11:01", nullptr, false},
            {utc(2026, 12, 7, 10, 2, 0), "December 7, 2026  11:02 AM", "11:02", nullptr, true}}},
        {"the computer moves from UTC to Berlin past the alarm minute: it rings late",
         "UTC", utc(2026, 12, 7, 10, 20, 0), 10, 50, {
            {utc(2026, 12, 7, 10, 20, 10), "December 7, 2026  11:20 AM", "11:20", nullptr, true, "Europe/Berlin"}}},
    };
    // clang-format on
    for (const Road& road : roads) {
        SCOPED_TRACE(road.what);
        const LocalZone zone(road.zone);
        RunningProgram program(road.start);
        program.setAlarm(road.alarmHour, road.alarmMinute);
        ASSERT_EQ(program.main->state().AlarmSet, 1);
        bool stopped = false;
        for (const Step& step : road.steps) {
            SCOPED_TRACE(step.at);
            if (step.zone != nullptr)
                LocalZone::change(step.zone);
            program.tickAt(step.at);
            const auto shows = [](const QString& seen, const char* expected) {
                return expected == nullptr || seen == QString::fromUtf8(expected);
            };
            EXPECT_TRUE(shows(program.main->windowTitle().mid(12), step.title))
                << program.main->windowTitle().toStdString();
            EXPECT_TRUE(shows(program.label("Label9"), step.london)) << program.label("Label9").toStdString();
            EXPECT_TRUE(shows(program.label("Label4"), step.uptime)) << program.label("Label4").toStdString();
            EXPECT_EQ(program.ringing->isVisible(), step.rings);
            EXPECT_EQ(program.main->state().AlarmSet, stopped ? 0 : 1);
            if (step.stop) {
                program.stop();
                stopped = true;
            }
        }
        EXPECT_TRUE(program.errors.messages().isEmpty()) << program.errors.messages().join(' ').toStdString();
    }
}

TEST(ClockJumps, LocalReadingsAroundTheLondonChanges)
{
    const LocalZone zone("Europe/London");
    struct Case {
        long long seconds;
        int day, hour, minute, second;
    } cases[] = {
        {utc(2026, 3, 29, 0, 59, 59), 29, 0, 59, 59},  {utc(2026, 3, 29, 1, 0, 0), 29, 2, 0, 0},
        {utc(2026, 10, 25, 0, 59, 59), 25, 1, 59, 59}, {utc(2026, 10, 25, 1, 0, 0), 25, 1, 0, 0},
        {utc(2026, 10, 24, 23, 30, 0), 25, 0, 30, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        const ClockReading r = localClockReading(c.seconds, 250);
        EXPECT_EQ(r.day, c.day);
        EXPECT_EQ(r.hour, c.hour);
        EXPECT_EQ(r.minute, c.minute);
        EXPECT_EQ(r.second, c.second);
        EXPECT_EQ(r.millisecond, 250);
        EXPECT_EQ(r.dayOfWeek, 1) << "both changes fall on a Sunday";
    }
}

TEST(ClockJumps, NewYear10000ChangesTheTitleOnly)
{
    RunningProgram program(utc(9999, 12, 31, 23, 59, 59));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - December 31, 9999  11:59 PM");
    program.tickAt(utc(10000, 1, 1, 0, 0, 0));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - January 1, 10000  12:00 AM");
    EXPECT_EQ(program.label("Label9"), "00:00");
    EXPECT_TRUE(program.errors.messages().isEmpty());
}

TEST(ClockJumps, NewYear10000LeavesTheCalendarOnItsLastDay)
{
    test::RecordedErrors errors;
    test::SettableClock clock(9999, 12, 31, 23, 59, 59);
    MonthCalendar calendar;
    calendar.setToday(clock.now());
    ASSERT_EQ(calendar.Year(), 9999);
    ASSERT_TRUE(calendar.UseCurrentDate());
    clock.set(10000, 1, 1, 0, 0, 0);

    QSignalSpy changes(&calendar, &MonthCalendar::OnChange);
    struct Case {
        const char* what;
        std::function<void()> action;
    } cases[] = {
        {"the clock read again", [&] { calendar.setToday(clock.now()); }},
        {"the year set to 10000", [&] { calendar.setYear(10000); }},
        {"the clock's date taken again",
         [&] {
             calendar.setUseCurrentDate(false);
             calendar.setUseCurrentDate(true);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        errors.clear();
        changes.clear();
        errors.runGuarded(c.action);
        EXPECT_EQ(errors.messages(), QStringList{"Invalid argument to date encode."});
        EXPECT_EQ(calendar.Year(), 9999);
        EXPECT_EQ(calendar.Month(), 12);
        EXPECT_EQ(calendar.Day(), 31);
        EXPECT_EQ(calendar.cellText(calendar.selectedCell()), "31");
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_FALSE(calendar.UseCurrentDate()) << "the date shown did not come from the clock";
}

TEST(ClockJumps, StartingInYear10000TellsTheDateErrorAndRuns)
{
    RunningProgram program(utc(10000, 1, 1, 8, 0, 0));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - January 1, 10000  8:00 AM");
    EXPECT_EQ(program.errors.messages(), QStringList{"Invalid argument to date encode."});
    program.tickAt(utc(10000, 1, 1, 8, 1, 0));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - January 1, 10000  8:01 AM");
}

} // namespace
} // namespace pocketrix
