#include "pages/alarmtime.h"

#include "app/core/timetext.h"

namespace pocketrix {

namespace {

void stepField(std::string& text, std::size_t position, int delta, int highest)
{
    int value = twoDigitRead(text, position) + delta;
    if (value > highest)
        value -= highest + 1;
    if (value < 0)
        value += highest + 1;
    twoDigitWrite(text, position, value);
}

} // namespace

void stepAlarmHour(std::string& alarmText, int delta) { stepField(alarmText, 1, delta, 23); }

void stepAlarmMinute(std::string& alarmText, int delta) { stepField(alarmText, 4, delta, 59); }

} // namespace pocketrix
