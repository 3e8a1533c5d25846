#pragma once

#include <memory>

#include "app/shell/errorrule.h"
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

// Creates the program's windows in their fixed order, each from its definition, tells
// the main window of the others, and places message boxes over the window they belong to.
void createWindows(WindowSet& windows, ErrorRule& errors, DeferredStart& start, const Services& services,
                   WavePlayer& alarmSound);

// One run: the program's look, its error rule, its windows over a machine and the work
// that waits for the main window. The windows use the machine's services, so they are
// destroyed first, whatever the order of the members.
class Program {
public:
    // Without a presenter, errors are shown in message boxes.
    explicit Program(Machine machine, Presenter errors = {});
    ~Program() { m_windows.reset(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    WindowSet& windows() { return *m_windows; }
    // Shows the main window; what waited for it runs next.
    void start();

private:
    Machine m_machine;
    ErrorRule m_errors;
    DeferredStart m_start{m_errors};
    std::unique_ptr<WindowSet> m_windows = std::make_unique<WindowSet>(m_errors);
};

} // namespace pocketrix
