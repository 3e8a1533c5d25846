#include "pages/alarmtime.h"

#include <chrono>

#include "app/core/timetext.h"

namespace pocketrix {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kLatestLateRing = 60; // minutes

// Minutes on the wall clock since 1970, as the local readings count them.
long long wallMinute(const ClockReading& r)
{
    using namespace std::chrono;
    const sys_days day = year{r.year} / month{static_cast<unsigned>(r.month)} / r.day;
    return day.time_since_epoch().count() * kMinutesPerDay + r.hour * 60LL + r.minute;
}

std::string stepField(std::string text, std::size_t position, int delta, int highest)
{
    int value = twoDigitRead(text, position) + delta;
    if (value > highest)
        value -= highest + 1;
    if (value < 0)
        value += highest + 1;
    twoDigitWrite(text, position, value);
    return text;
}

} // namespace

std::string stepAlarmHour(std::string_view text, int delta) { return stepField(std::string(text), 1, delta, 23); }

std::string stepAlarmMinute(std::string_view text, int delta) { return stepField(std::string(text), 4, delta, 59); }

bool alarmMinuteSkipped(const ClockReading& before, const ClockReading& now, std::string_view alarmText)
{
    const int alarm = twoDigitRead(alarmText, 1) * 60 + twoDigitRead(alarmText, 4);
    const int sinceAlarm = ((now.hour * 60 + now.minute - alarm) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    return sinceAlarm <= kLatestLateRing && wallMinute(now) - sinceAlarm > wallMinute(before);
}

} // namespace pocketrix
