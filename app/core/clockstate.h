#pragma once

#include "app/core/fixedtext.h"
#include "platform/clock.h"

namespace pocketrix {

// The fields the main window's handlers share, all empty or zero at start.
struct ClockState {
    FixedText<100> CaptionText;     // the date-time text last formatted for the title
    FixedText<100> PreviousCaption; // the date-time text last put into the title
    FixedText<20> StartTime;        // the time text taken at start-up
    FixedText<5> AlarmText;         // the alarm time, HH:MM
    int AlarmSet = 0;               // 1 while an alarm is set
    int ThresholdMB = 0;            // the low-space threshold
    int JotterCount = 0;            // colour counter of the Jotter windows
    FixedText<5> DayText;           // the calendar's date at start-up, as integer texts
    FixedText<5> MonthText;
    FixedText<5> YearText;
    FixedText<30> TodayReminderName; // the reminder file of the start-up date
    int ReminderPending = 0;         // 1 when the next Jotter shows that reminder
    // The clock at the tick that last changed the title, and at the change before it: the
    // alarm rings late for a minute the clock jumped over in between.
    ClockReading titleChangedAt;
    ClockReading titleChangedBefore;
};

} // namespace pocketrix
