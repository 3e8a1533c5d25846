// Any sequence of Year, Month, Day, StartOfWeek, UseCurrentDate and today's date calls on
// a month calendar, with the clock moving between them: after each call the calendar
// holds a valid date, the selected cell carries its day, the grid shows every day of the
// month once, and a call that fails or is ignored changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>

#include "app/core/errors.h"
#include "controls/monthcalendar.h"
#include "platform/clock.h"
#include "tests/fuzz/fuzzinput.h"
#include "tests/fuzz/fuzzsupport.h"

namespace {

using namespace pocketrix;
using fuzz::check;

struct Snapshot {
    CalendarDate date;
    int startOfWeek;
    int offset;
    bool useCurrentDate;
    GridCell selected;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const MonthCalendar& calendar)
{
    return {calendar.model().date(), calendar.StartOfWeek(), calendar.model().offset(), calendar.UseCurrentDate(),
            calendar.selectedCell()};
}

void checkInvariants(const MonthCalendar& calendar)
{
    const CalendarDate date = calendar.model().date();
    check(calendar.Year() == date.year && calendar.Month() == date.month && calendar.Day() == date.day,
          "properties read the model");
    check(isValidDate(date.year, date.month, date.day), "always a valid date");
    check(calendar.StartOfWeek() >= 0 && calendar.StartOfWeek() <= 6, "start of week 0 to 6");
    const int offset = calendar.model().offset();
    check(offset >= -5 && offset <= 1, "offset from -5 to 1");
    check(offset == monthOffset(weekdayOf(date.year, date.month, 1), calendar.StartOfWeek()),
          "offset follows the first weekday");
    check(calendar.selectedCell() == calendar.model().selectedCell(), "the selection is the date's cell");
    check(calendar.model().dayAt(calendar.selectedCell()) == date.day, "the selected cell holds the day");
    check(calendar.cellText(calendar.selectedCell()) == QString::number(date.day), "the selected cell shows the day");

    static const char* const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    int expected = 1;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const GridCell cell{column, row};
            const QString text = calendar.cellText(cell);
            if (row == 0) {
                check(text == QLatin1String(names[(calendar.StartOfWeek() + column) % 7]), "header names");
                continue;
            }
            const int day = calendar.model().dayAt(cell);
            if (day == 0) {
                check(text.isEmpty(), "a blank cell shows nothing");
                continue;
            }
            check(day == expected, "days run 1, 2, 3 ... without gaps");
            check(calendar.model().cellOfDay(day) == cell, "a day's cell holds that day");
            ++expected;
        }
    }
    check(expected - 1 == calendar.model().daysInThisMonth(), "every day of the month is in the grid");
}

// Runs one call; true when it raised the date error (any other exception is a fault).
template <class F> bool raisesDateError(F&& call)
{
    try {
        call();
        return false;
    } catch (const Error& error) {
        check(std::string(error.what()) == kDateEncodeError, "only the date error");
        return true;
    }
}

// What a date-element call should make of the date, or the date itself when it is ignored.
CalendarDate expectedDate(const CalendarDate& date, DateElement element, int value)
{
    CalendarDate next = date;
    if (value <= 0)
        return date;
    switch (element) {
    case DateElement::Year:
        next.year = value;
        break;
    case DateElement::Month:
        if (value > 12)
            return date;
        next.month = value;
        break;
    case DateElement::Day:
        if (value > daysInMonth(date.year, date.month))
            return date;
        next.day = value;
        break;
    }
    return next;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    ClockReading clock;
    clock.year = 2000 + input.integer() % 100;
    clock.month = 1 + (input.integer() & 0xff) % 12;
    clock.day = 1 + (input.integer() & 0xff) % 28;

    MonthCalendar calendar;
    calendar.setToday(clock);
    ClockReading today = clock; // the date last given, loaded by UseCurrentDate
    int changes = 0;
    QObject::connect(&calendar, &MonthCalendar::OnChange, [&changes] { ++changes; });
    checkInvariants(calendar);

    while (!input.empty()) {
        // Low three bits: the call; bit 3: a small value (one signed byte) instead of any int.
        const int op = input.byte();
        const int value = (op & 8) != 0 ? static_cast<std::int8_t>(input.byte()) : input.integer();
        const Snapshot before = snapshot(calendar);
        if (std::getenv("POCKETRIX_FUZZ_TRACE") != nullptr)
            std::fprintf(stderr, "%04d-%02d-%02d first %d current %d cell %d,%d: call %d value %d\n", before.date.year,
                         before.date.month, before.date.day, before.startOfWeek, before.useCurrentDate,
                         before.selected.column, before.selected.row, op & 7, value);
        const int changesBefore = changes;
        switch (op & 7) {
        case 0:
        case 1:
        case 2: {
            const DateElement element = (op & 7) == 0   ? DateElement::Year
                                        : (op & 7) == 1 ? DateElement::Month
                                                        : DateElement::Day;
            const CalendarDate next = expectedDate(before.date, element, value);
            const bool failed = raisesDateError([&] {
                element == DateElement::Year    ? calendar.setYear(value)
                : element == DateElement::Month ? calendar.setMonth(value)
                                                : calendar.setDay(value);
            });
            check(failed == !isValidDate(next.year, next.month, next.day), "the date error exactly for no date");
            if (failed || next == before.date) {
                check(snapshot(calendar) == before, "a failed or ignored set changes nothing");
                check(changes == changesBefore, "no change event without a change");
            } else {
                check(calendar.model().date() == next, "the element is set");
                check(!calendar.UseCurrentDate(), "a set date is no longer the current one");
                check(calendar.StartOfWeek() == before.startOfWeek, "the first column stays");
                check(changes == changesBefore + 1, "one change event per change");
            }
            break;
        }
        case 3:
            calendar.setStartOfWeek(value);
            check(calendar.model().date() == before.date, "the first column leaves the date");
            check(calendar.StartOfWeek() == (value >= 0 && value <= 6 ? value : before.startOfWeek),
                  "start of week taken from 0 to 6 only");
            break;
        case 4: {
            const bool failed = raisesDateError([&] { calendar.setUseCurrentDate((value & 1) != 0); });
            if (failed) {
                check(!isValidDate(today.year, today.month, today.day),
                      "the date error only for a clock that is no date");
                check(snapshot(calendar) == before, "a failed set changes nothing");
            } else if ((value & 1) != 0 && !before.useCurrentDate) {
                check(calendar.model().date() == CalendarDate{today.year, today.month, today.day},
                      "the current date is loaded");
            } else {
                check(calendar.model().date() == before.date, "no load, no change");
            }
            check(failed || calendar.UseCurrentDate() == ((value & 1) != 0), "the flag is set");
            break;
        }
        case 5: // the clock moves, given to the calendar by call 7
            clock.year =
                (op & 16) != 0 || clock.year < -100000 || clock.year > 100000 ? value : clock.year + value % 400;
            clock.month = 1 + (input.byte() % 12);
            clock.day = 1 + (input.byte() % 31);
            break;
        case 6:
            calendar.setReadOnly((value & 1) != 0);
            break;
        case 7: {
            today = clock;
            const bool failed = raisesDateError([&] { calendar.setToday(today); });
            check(!failed || !isValidDate(today.year, today.month, today.day),
                  "the date error only for a clock that is no date");
            if (failed || !before.useCurrentDate)
                check(snapshot(calendar) == before, "no load, no change");
            break;
        }
        }
        checkInvariants(calendar);
    }
    return 0;
}
