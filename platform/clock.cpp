#include "platform/clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <sys/time.h>
#include <utility>

namespace pocketrix {

namespace {

std::int64_t realTime()
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    return tv.tv_sec * 1000LL + tv.tv_usec / 1000;
}

} // namespace

ClockReading SystemClock::now() const
{
    const std::chrono::milliseconds moment{m_source ? m_source() : realTime()};
    const std::int64_t second = std::chrono::floor<std::chrono::seconds>(moment).count();
    // The C library reads the zone once and keeps it. Asked again once a second, it looks
    // at its zone file (one stat) and reads it anew only when the file has changed, so a
    // zone set by the system's time settings shows without a restart.
    if (std::exchange(m_zoneCheckedAt, second) != second)
        tzset();
    return localClockReading(second, static_cast<int>(moment.count() - second * 1000));
}

ClockReading localClockReading(long long secondsSinceEpoch, int millisecond)
{
    const auto seconds = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&seconds, &local);
    // A leap second reads as the last ordinary second, so texts never show 60.
    return {.year = local.tm_year + 1900,
            .month = local.tm_mon + 1,
            .day = local.tm_mday,
            .hour = local.tm_hour,
            .minute = local.tm_min,
            .second = std::min(local.tm_sec, 59),
            .millisecond = millisecond,
            .dayOfWeek = local.tm_wday + 1};
}

namespace {

// The calendar repeats every 400 years, a whole number of weeks; its place in the cycle
// keeps any year within std::chrono::year's range.
std::chrono::year cycleYear(int year) { return std::chrono::year{year % 400 + 2000}; }

std::chrono::month monthOf(int month) { return std::chrono::month{static_cast<unsigned>(month)}; }

} // namespace

bool isLeapYear(int year) { return cycleYear(year).is_leap(); }

int daysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    return static_cast<int>(static_cast<unsigned>((cycleYear(year) / monthOf(month) / std::chrono::last).day()));
}

int weekdayOf(int year, int month, int day)
{
    if (month < 1 || month > 12 || year < 1)
        return 1;
    const std::chrono::sys_days first = cycleYear(year) / monthOf(month) / 1;
    return static_cast<int>(std::chrono::weekday{first + std::chrono::days{day - 1}}.c_encoding()) + 1;
}

bool isValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

} // namespace pocketrix
