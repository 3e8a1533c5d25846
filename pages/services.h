#pragma once

#include "app/core/clockstate.h"
#include "platform/clock.h"
#include "platform/drivequery.h"
#include "platform/localevalues.h"

class QWidget;

namespace pocketrix {

class ErrorRule;
class ProgramStarter;
class TForm2;
class TForm3;
class TForm4;
class WindowSet;

// The platform services the windows use: the program's real ones, a tool's fixed ones
// or a test's doubles. A tool or a test may leave out the optional ones (null).
struct Services {
    const Clock& clock;
    LocaleValues& locale;
    ProgramStarter* programs = nullptr;
    const DriveQuery* drive = nullptr;
};

// The windows the main window and its pages show. They are made after the main window,
// which learns of them once they exist; until then they are null.
struct OtherWindows {
    TForm2* ringing = nullptr;
    TForm3* reminder = nullptr;
    TForm4* warning = nullptr;
    QWidget* about = nullptr;
    QWidget* help = nullptr;
};

// What a page of the main window works with.
struct PageContext {
    ClockState& state;
    const Services& services;
    WindowSet& windows;
    ErrorRule& errors;
    OtherWindows others;
};

} // namespace pocketrix
