#include "pages/alarmtime.h"

#include "app/core/timetext.h"

namespace pocketrix {

namespace {

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

} // namespace pocketrix
