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
        windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows));
        windows.add(WindowSet::Form3, std::make_unique<TForm3>(windows));
        main = windows.get<Tmainform>(WindowSet::mainform);
        form3 = windows.get<TForm3>(WindowSet::Form3);
    }

    RecordedErrors errors;
    SettableClock clock;
    LocaleValues locale;
    Services services{clock, locale};
    WindowSet windows;
    Tmainform* main = nullptr;
    TForm3* form3 = nullptr;
};

} // namespace pocketrix::test
