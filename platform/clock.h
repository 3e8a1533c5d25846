#pragma once

#include <cstdint>
#include <functional>

namespace pocketrix {

// One reading of the local clock, as the program's texts consume it.
struct ClockReading {
    int year = 1;
    int month = 1;       // 1 to 12
    int day = 1;         // 1 to 31
    int hour = 0;        // 0 to 23
    int minute = 0;      // 0 to 59
    int second = 0;      // 0 to 59
    int millisecond = 0; // read but never shown
    int dayOfWeek = 1;   // 1 = Sunday to 7 = Saturday
};

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time taken afresh at each call.
    virtual ClockReading now() const = 0;
};

// The local clock in the computer's time zone as it is now: a change of the zone while the
// program runs shows at the next reading in a new second.
class SystemClock final : public Clock {
public:
    // Milliseconds since 1970 UTC: the real-time clock, unless a test gives its own moment.
    using Source = std::function<std::int64_t()>;
    explicit SystemClock(Source source = {}) : m_source(std::move(source)) {}
    ClockReading now() const override;

private:
    Source m_source;
    mutable std::int64_t m_zoneCheckedAt = -1; // the second the zone was last looked at
};

// The local reading of a moment given in seconds since 1970 UTC, by the time zone in
// force (TZ, else /etc/localtime) when it was last read.
ClockReading localClockReading(long long secondsSinceEpoch, int millisecond = 0);

// The proleptic Gregorian calendar, for any year.
bool isLeapYear(int year);
// 0 for a month outside 1 to 12.
int daysInMonth(int year, int month);
// 1 = Sunday to 7 = Saturday; 1 for a month outside 1 to 12 or a year before 1.
int weekdayOf(int year, int month, int day);
// Whether the three numbers name a day of the years 1 to 9999.
bool isValidDate(int year, int month, int day);

} // namespace pocketrix
