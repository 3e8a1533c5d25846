#pragma once
// The alarm time's stepping, without Qt: HH:MM with the hour and the minute each
// wrapping within its own field.

#include <string>

namespace pocketrix {

// Steps the hour (characters 1 and 2) by delta, wrapping 23 to 00 and 00 to 23; the
// other characters stay.
void stepAlarmHour(std::string& alarmText, int delta);
// Steps the minute (characters 4 and 5), wrapping 59 to 00 and 00 to 59 without
// carrying into the hour.
void stepAlarmMinute(std::string& alarmText, int delta);

} // namespace pocketrix
