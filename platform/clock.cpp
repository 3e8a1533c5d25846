#include "platform/clock.h"

#include <ctime>
#include <sys/time.h>

namespace pocketrix {

ClockReading SystemClock::now() const
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    return localClockReading(tv.tv_sec, static_cast<int>(tv.tv_usec / 1000));
}

ClockReading localClockReading(long long secondsSinceEpoch, int millisecond)
{
    const auto seconds = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&seconds, &local);
    ClockReading r;
    r.year = local.tm_year + 1900;
    r.month = local.tm_mon + 1;
    r.day = local.tm_mday;
    r.hour = local.tm_hour;
    r.minute = local.tm_min;
    // A leap second reads as the last ordinary second, so texts never show 60.
    r.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    r.millisecond = millisecond;
    r.dayOfWeek = local.tm_wday + 1;
    return r;
}

int weekdayOf(int year, int month, int day)
{
    // Sakamoto's method; valid for every proleptic Gregorian date from year 1 on.
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12 || year < 1)
        return 1;
    if (month < 3)
        year -= 1;
    const int sunday0 = (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
    return sunday0 + 1;
}

} // namespace pocketrix
