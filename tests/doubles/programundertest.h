#pragma once
// The program under test, built as main() builds it over doubles, and a page of it on a
// context of its own: what every test that needs windows starts from, and the tools too.

#include <cstdint>
#include <memory>

#include "app/core/clockstate.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/services.h"
#include "pages/systempage.h"
#include "tests/doubles/doubles.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace pocketrix {
class PieGauge;
class TForm5;
class THelpful;
class Tmainform;
class Tsharabout;
} // namespace pocketrix

namespace pocketrix::test {

// What a test changes of the program it builds. Left as they are, the program runs on the
// builder's doubles at 22:28:05 on Monday 7 December 2026, with 1 GiB free of 4 GiB.
struct ProgramOptions {
    // The settable clock's reading and the fake drive's figures when the windows are made.
    ClockReading now = reading(2026, 12, 7, 22, 28, 5);
    DriveSpace drive{1LL << 30, 1LL << 32};
    // Services of the test's own in place of the doubles; each must outlive the program.
    const Clock* clock = nullptr;
    const DriveQuery* driveQuery = nullptr;
    ProgramStarter* programs = nullptr;
    WavePlayer* sound = nullptr;
    ErrorRule* errors = nullptr; // the real message boxes, or a tool's own presenter
    // The ringing window's one-second tick and its system beep are the test's: see
    // ringingTick() and beeps. The real tick would interleave with the test's.
    bool testTicksTheRinging = false;
    // The program runs in a fresh folder whose frontend/ is the help data, as it runs from
    // the repository or installed, so the help reader reads its Introduction at start().
    bool inFolderWithHelp = false;
};

// The program under test: its windows made and wired by createWindows() as main() has
// them made, over the builder's doubles or services of the test's own. Messages are
// recorded in errors unless the test gives an error rule. The windows are destroyed first,
// then the services they use.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(ProgramOptions options = {});
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // As Program::start(): shows the main window; what waited for it runs at the next turn
    // of the event loop.
    void start();
    // Sets the alarm as the user would from 00:00: the hour and minute arrows pressed as
    // often as given, then "Alarm Set".
    void setAlarm(int hour, int minute);
    // One tick of the ringing window's timer, under the error rule as its binding runs it.
    void ringingTick();

private:
    struct HelpFolder;
    std::unique_ptr<HelpFolder> m_helpFolder; // left last, once the windows are gone

public:
    SettableClock clock;
    LocaleValues locale; // the fallback values, which a test may change under the windows
    FakeDrive drive;
    RecordingStarter programs;
    FakeWavePlayer sound;
    RecordedErrors errors;
    int beeps = 0; // system beeps of the ringing window the test ticks
    ErrorRule& rule;
    const Services services;
    DeferredStart deferred{rule};
    WindowSet windows{rule};
    Tmainform* main = nullptr;
    TForm2* ringing = nullptr;
    TForm3* reminder = nullptr;
    TForm4* warning = nullptr;
    TForm5* jotter = nullptr; // the Jotter made at start-up, never shown
    Tsharabout* about = nullptr;
    THelpful* help = nullptr;
};

// A page of the main window on a context of its own, as the main window gives it one: the
// test holds the clock state and runs the page's ticks itself.
template <class Page> struct PageOn {
    explicit PageOn(const ClockReading& now, DriveSpace space = {}) : clock(now), drive(space) { page.attach(context); }

    SettableClock clock;
    LocaleValues locale;
    FakeDrive drive;
    const Services services{clock, locale, nullptr, &drive};
    ClockState state;
    RecordedErrors errors;
    WindowSet windows{errors};
    PageContext context{state, services, windows, errors, {}};
    Page page;
};

// The System page on a drive of the given size at 10:50 on 4 March 2026, started then, with
// the warning window in its slot as after start-up and the 5 MB threshold chosen.
struct SystemPageOn : PageOn<SystemPage> {
    SystemPageOn(std::int64_t freeBytes, std::int64_t totalBytes);

    QLabel* label(const char* name) const;
    QCheckBox* checkBox() const;
    QComboBox* comboBox() const;
    PieGauge* pageGauge() const;
    TForm4* warning() const { return context.others.warning; }
    void refresh() { page.Timer2Timer(nullptr); }
};

} // namespace pocketrix::test
