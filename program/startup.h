#pragma once

#include <memory>

#include "app/shell/windowset.h"
#include "pages/services.h"
#include "platform/clock.h"
#include "platform/drivequery.h"
#include "platform/localereader.h"
#include "platform/programstart.h"
#include "platform/waveplayer.h"

namespace pocketrix {

// The machine one run works on. As built it is the real one; a tool puts its own clock,
// drive or sound in their place before the windows are made.
struct Machine {
    std::unique_ptr<const Clock> clock = std::make_unique<SystemClock>();
    LocaleValues locale = systemLocaleValues();
    std::unique_ptr<const DriveQuery> drive = std::make_unique<StatvfsDriveQuery>();
    std::unique_ptr<ProgramStarter> programs = std::make_unique<SystemProgramStarter>();
    std::unique_ptr<WavePlayer> alarmSound = std::make_unique<SdlWavePlayer>(findSoundCheckProgram());
};

// Creates the program's windows in their fixed order, each from its definition, and
// links the reminder window to the main window.
void createWindows(WindowSet& windows, const Services& services, WavePlayer& alarmSound);

// One run: the program's look and its windows over a machine. The windows use the
// machine's services, so they are destroyed first, whatever the order of the members.
class Program {
public:
    explicit Program(Machine machine);
    ~Program() { m_windows.reset(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    WindowSet& windows() { return *m_windows; }

private:
    Machine m_machine;
    std::unique_ptr<WindowSet> m_windows = std::make_unique<WindowSet>();
};

} // namespace pocketrix
