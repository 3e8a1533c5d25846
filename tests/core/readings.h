#pragma once
// Clock readings for tests, free of Qt so that the core's tests share them with the rest.

#include "platform/clock.h"

namespace pocketrix::test {

inline ClockReading reading(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    ClockReading r;
    r.year = year;
    r.month = month;
    r.day = day;
    r.hour = hour;
    r.minute = minute;
    r.second = second;
    r.dayOfWeek = weekdayOf(year, month, day);
    return r;
}

} // namespace pocketrix::test
