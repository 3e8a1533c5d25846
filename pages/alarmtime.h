#pragma once
// The alarm time's stepping, without Qt: HH:MM with the hour and the minute each
// wrapping within its own field.

#include <string>
#include <string_view>

namespace pocketrix {

// The text with its hour (characters 1 and 2) stepped by delta, wrapping 23 to 00 and
// 00 to 23; the other characters stay.
std::string stepAlarmHour(std::string_view text, int delta);
// The text with its minute (characters 4 and 5) stepped, wrapping 59 to 00 and 00 to 59
// without carrying into the hour.
std::string stepAlarmMinute(std::string_view text, int delta);

} // namespace pocketrix
