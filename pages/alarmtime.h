#pragma once
// The alarm time's stepping and the rule for a minute the clock jumped over, without Qt:
// HH:MM with the hour and the minute each wrapping within its own field.

#include <string>
#include <string_view>

#include "platform/clock.h"

namespace pocketrix {

// The text with its hour (characters 1 and 2) stepped by delta, wrapping 23 to 00 and
// 00 to 23; the other characters stay.
std::string stepAlarmHour(std::string_view text, int delta);
// The text with its minute (characters 4 and 5) stepped, wrapping 59 to 00 and 00 to 59
// without carrying into the hour.
std::string stepAlarmMinute(std::string_view text, int delta);

// Whether the local clock went forward past the alarm minute between two readings without
// showing it (a suspend, a clock step, a change of the time zone, the hour skipped when
// summer time starts), that minute being at most an hour behind the later reading: such an
// alarm rings late rather than not at all, and never hours late.
bool alarmMinuteSkipped(const ClockReading& before, const ClockReading& now, std::string_view alarmText);

} // namespace pocketrix
