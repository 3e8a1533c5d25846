#include <string>

#include <gtest/gtest.h>

#include "pages/alarmtime.h"

namespace pocketrix {
namespace {

TEST(AlarmTime, StepsWrapWithinTheirOwnField)
{
    struct Case {
        const char* before;
        bool hour;
        int delta;
        const char* after;
    } cases[] = {
        {"23:15", true, +1, "00:15"},  {"00:15", true, -1, "23:15"},  {"09:00", true, +1, "10:00"},
        {"10:00", true, -1, "09:00"},  {"08:59", false, +1, "08:00"}, {"08:00", false, -1, "08:59"},
        {"23:59", false, +1, "23:00"}, {"07:29", false, +1, "07:30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + (c.hour ? " hour " : " minute ") + std::to_string(c.delta));
        const std::string text = c.hour ? stepAlarmHour(c.before, c.delta) : stepAlarmMinute(c.before, c.delta);
        EXPECT_EQ(text, c.after);
    }
}

} // namespace
} // namespace pocketrix
