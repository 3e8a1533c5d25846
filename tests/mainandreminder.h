#pragma once

#include <memory>

#include "app/shell/windowset.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "pages/services.h"
#include "tests/doubles.h"

namespace pocketrix::test {

// The main window and the reminder window, started at 9:30 on a given date by a clock the
// test can set, with the error rule's messages recorded.
struct MainAndReminder {
    MainAndReminder(int year, int month, int day) : clock(year, month, day, 9, 30, 0)
    {
        main = windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows, errors));
        form3 = windows.add(WindowSet::Form3, std::make_unique<TForm3>(windows, errors));
        main->setOtherWindows({.reminder = form3});
    }

    RecordedErrors errors;
    SettableClock clock;
    LocaleValues locale;
    Services services{clock, locale};
    WindowSet windows{errors};
    Tmainform* main = nullptr;
    TForm3* form3 = nullptr;
};

} // namespace pocketrix::test
