// The clock jumping under the running program: set back, set forward, midnight, the
// changes of summer time in the local zone, and the end of year 9999.

#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "controls/monthcalendar.h"
#include "pages/alring3.h"
#include "pages/calendarpage.h"
#include "pages/mainform.h"
#include "pages/systempage.h"
#include "tests/doubles.h"
#include "tests/fakedrive.h"
#include "tests/fakewave.h"

namespace pocketrix {
namespace {

// The local time zone for the guard's lifetime.
class LocalZone {
public:
    explicit LocalZone(const char* zone) : m_env(std::make_unique<test::ScopedEnv>("TZ", zone)) { tzset(); }
    ~LocalZone()
    {
        m_env.reset();
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::unique_ptr<test::ScopedEnv> m_env;
};

long long utcSeconds(int year, int month, int day, int hour, int minute, int second)
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

// The main window and the ringing window on a clock the test moves.
struct RunningProgram {
    test::SettableClock clock;
    LocaleValues locale;
    test::FakeDrive drive{8LL << 30, 16LL << 30};
    Services services{clock, locale, {}, drive};
    test::FakeWavePlayer device;
    test::RecordedErrors errors;
    WindowSet windows;
    Tmainform* main = nullptr;
    TForm2* ringing = nullptr;

    explicit RunningProgram(const ClockReading& start) : clock(start.year, start.month, start.day)
    {
        set(start);
        windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows));
        windows.add(WindowSet::Form2, std::make_unique<TForm2>(windows, device));
        main = windows.get<Tmainform>(WindowSet::mainform);
        ringing = windows.get<TForm2>(WindowSet::Form2);
        ringing->setSystemBeep([] {});
        ringing->findChild<QTimer*>("Timer1")->stop();
        windows.start();
        test::waitFor([&] { return windows.activeWindow() == main; });
    }
    void set(const ClockReading& r) { clock.set(r.year, r.month, r.day, r.hour, r.minute, r.second); }
    void setAlarm(int hour, int minute)
    {
        for (int i = 0; i < hour; ++i)
            main->findChild<QAbstractButton*>("SpeedButton10")->click();
        for (int i = 0; i < minute; ++i)
            main->findChild<QAbstractButton*>("SpeedButton12")->click();
        main->findChild<QAbstractButton*>("Button1")->click();
    }
    // One second tick and one minute tick at the given reading.
    void tickAt(const ClockReading& r)
    {
        set(r);
        main->Timer1Timer(main);
        main->findChild<SystemPage*>("TabSheet2")->Timer2Timer(nullptr);
    }
    QString label(const char* name) const { return main->findChild<QLabel*>(name)->text(); }
};

struct Step {
    ClockReading at;
    const char* title;
    const char* london; // the world clock's local city
    const char* uptime;
    bool rings;
};

struct Road {
    const char* what;
    ClockReading start;
    int alarmHour, alarmMinute;
    std::vector<Step> steps;
};

ClockReading inLondon(int year, int month, int day, int hour, int minute, int second)
{
    return localClockReading(utcSeconds(year, month, day, hour, minute, second));
}

TEST(ClockJumps, TitleWorldClockUptimeAndAlarmFollowTheClockAsItReads)
{
    // The readings are the local ones SystemClock takes in London at those moments.
    const LocalZone london("Europe/London");
    const std::vector<Road> roads = {
        {"set back an hour: the alarm minute comes again",
         test::reading(2026, 12, 7, 10, 29, 30),
         10,
         30,
         {
             {test::reading(2026, 12, 7, 10, 29, 59), "December 7, 2026  10:29 AM", "10:29", "0hrs 0mins", false},
             {test::reading(2026, 12, 7, 9, 30, 0), "December 7, 2026  9:30 AM", "09:30", "23hrs 1mins", false},
             {test::reading(2026, 12, 7, 10, 30, 0), "December 7, 2026  10:30 AM", "10:30", "0hrs 1mins", true},
         }},
        {"forward a day: only the clock minute counts",
         test::reading(2026, 12, 7, 10, 0, 0),
         10,
         30,
         {
             {test::reading(2026, 12, 7, 10, 15, 0), "December 7, 2026  10:15 AM", "10:15", "0hrs 15mins", false},
             {test::reading(2026, 12, 8, 10, 15, 0), "December 8, 2026  10:15 AM", "10:15", "0hrs 15mins", false},
             {test::reading(2026, 12, 8, 10, 30, 0), "December 8, 2026  10:30 AM", "10:30", "0hrs 30mins", true},
         }},
        {"across midnight into a new year",
         test::reading(2026, 12, 31, 23, 58, 0),
         0,
         0,
         {
             {test::reading(2026, 12, 31, 23, 59, 59), "December 31, 2026  11:59 PM", "23:59", "0hrs 1mins", false},
             {test::reading(2027, 1, 1, 0, 0, 0), "January 1, 2027  12:00 AM", "00:00", "0hrs 2mins", true},
         }},
        {"the alarm minute skipped by a jump does not ring; the alarm stays set",
         test::reading(2026, 12, 7, 10, 0, 0),
         10,
         30,
         {
             {test::reading(2026, 12, 7, 10, 29, 59), "December 7, 2026  10:29 AM", "10:29", "0hrs 29mins", false},
             {test::reading(2026, 12, 7, 10, 31, 0), "December 7, 2026  10:31 AM", "10:31", "0hrs 31mins", false},
             {test::reading(2026, 12, 8, 10, 29, 0), "December 8, 2026  10:29 AM", "10:29", "0hrs 29mins", false},
             {test::reading(2026, 12, 8, 10, 30, 0), "December 8, 2026  10:30 AM", "10:30", "0hrs 30mins", true},
         }},
        {"summer time ends in London: 1:59 BST is followed by 1:00 GMT",
         inLondon(2026, 10, 25, 0, 50, 0), // 01:50 BST
         1,
         5,
         {
             {inLondon(2026, 10, 25, 0, 59, 59), "October 25, 2026  1:59 AM", "01:59", "0hrs 9mins", false},
             {inLondon(2026, 10, 25, 1, 0, 0), "October 25, 2026  1:00 AM", "01:00", "23hrs 10mins", false},
             {inLondon(2026, 10, 25, 1, 5, 0), "October 25, 2026  1:05 AM", "01:05", "23hrs 15mins", true},
         }},
        {"summer time starts in London: 12:59 GMT is followed by 2:00 BST and 1:30 never comes",
         inLondon(2026, 3, 29, 0, 40, 0), // 00:40 GMT
         1,
         30,
         {
             {inLondon(2026, 3, 29, 0, 59, 59), "March 29, 2026  12:59 AM", "00:59", "0hrs 19mins", false},
             {inLondon(2026, 3, 29, 1, 0, 0), "March 29, 2026  2:00 AM", "02:00", "1hrs 20mins", false},
             {inLondon(2026, 3, 29, 1, 30, 0), "March 29, 2026  2:30 AM", "02:30", "1hrs 50mins", false},
         }},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.what);
        RunningProgram program(road.start);
        program.setAlarm(road.alarmHour, road.alarmMinute);
        ASSERT_EQ(program.main->state().AlarmSet, 1);
        for (const Step& step : road.steps) {
            SCOPED_TRACE(step.title);
            program.tickAt(step.at);
            EXPECT_EQ(program.main->windowTitle(), QStringLiteral("Pocketrix - ") + step.title);
            EXPECT_EQ(program.label("Label9"), step.london);
            EXPECT_EQ(program.label("Label4"), step.uptime);
            EXPECT_EQ(program.ringing->isVisible(), step.rings);
            if (!step.rings) {
                EXPECT_EQ(program.main->state().AlarmSet, 1) << "the alarm stays set";
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
        {utcSeconds(2026, 3, 29, 0, 59, 59), 29, 0, 59, 59},  {utcSeconds(2026, 3, 29, 1, 0, 0), 29, 2, 0, 0},
        {utcSeconds(2026, 10, 25, 0, 59, 59), 25, 1, 59, 59}, {utcSeconds(2026, 10, 25, 1, 0, 0), 25, 1, 0, 0},
        {utcSeconds(2026, 10, 24, 23, 30, 0), 25, 0, 30, 0},
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
    RunningProgram program(test::reading(9999, 12, 31, 23, 59, 59));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - December 31, 9999  11:59 PM");
    program.tickAt(test::reading(10000, 1, 1, 0, 0, 0));
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
        runGuarded(c.action);
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
    RunningProgram program(test::reading(10000, 1, 1, 8, 0, 0));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - January 1, 10000  8:00 AM");
    EXPECT_EQ(program.errors.messages(), QStringList{"Invalid argument to date encode."});
    program.tickAt(test::reading(10000, 1, 1, 8, 1, 0));
    EXPECT_EQ(program.main->windowTitle(), "Pocketrix - January 1, 10000  8:01 AM");
}

} // namespace
} // namespace pocketrix
