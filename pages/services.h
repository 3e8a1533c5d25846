#pragma once

#include <functional>
#include <optional>

#include "app/core/clockstate.h"
#include "platform/clock.h"
#include "platform/drivequery.h"
#include "platform/localevalues.h"

namespace pocketrix {

class ProgramStarter;
class WindowSet;

// A service that a tool or a test may leave out.
template <class Service> using Optional = std::optional<std::reference_wrapper<Service>>;

// The platform services the windows use: the program's real ones, a tool's fixed ones
// or a test's doubles.
struct Services {
    const Clock& clock;
    LocaleValues& locale;
    Optional<ProgramStarter> programs = std::nullopt;
    Optional<const DriveQuery> drive = std::nullopt;
};

// What a page of the main window works with.
struct PageContext {
    ClockState& state;
    const Services& services;
    WindowSet& windows;
};

} // namespace pocketrix
