#pragma once
// The pages layer: the main window, its five pages and the windows they open. Each page
// is a class of its own that owns its controls and handlers; the main window composes
// them and routes its ticks to them. Machine access comes in through Services.

#include "app/core/clockstate.h"
#include "platform/clock.h"
#include "platform/drivequery.h"
#include "platform/localevalues.h"

namespace pocketrix {

class ProgramStarter;
class WindowSet;

// The platform services the windows use; main() passes the real ones, tests doubles.
struct Services {
    const Clock* clock = nullptr;
    LocaleValues* locale = nullptr;
    ProgramStarter* programs = nullptr;
    const DriveQuery* drive = nullptr;
};

// What a page of the main window works with.
struct PageContext {
    ClockState& state;
    const Services& services;
    WindowSet& windows;
};

} // namespace pocketrix
