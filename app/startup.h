#pragma once

namespace pocketrix {

struct Services;
class WavePlayer;
class WindowSet;

// Creates the program's windows in their fixed order, each from its definition, and
// links the reminder window to the main window.
void createWindows(WindowSet& windows, const Services& services, WavePlayer& alarmSound);

} // namespace pocketrix
