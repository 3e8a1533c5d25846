// Pocketrix: a small desktop accessory. Creates the window set in its fixed order and
// runs the event loop until the main window closes.

#include <QApplication>

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "app/startup.h"
#include "pages/services.h"
#include "platform/clock.h"
#include "platform/drivequery.h"
#include "platform/localevalues.h"
#include "platform/programstart.h"
#include "platform/quitsignals.h"
#include "platform/waveplayer.h"

int main(int argc, char** argv)
{
    using namespace pocketrix;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pocketrix"));
    // Secondary windows may be open when the main window closes; its close ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();
    installLook();

    SystemClock clock;
    LocaleValues locale = systemLocaleValues();
    StatvfsDriveQuery drive;
    SystemProgramStarter programs;
    // Declared before the window set, so the ringing window closes its sound first.
    SdlWavePlayer alarmSound(findSoundCheckProgram());
    Services services;
    services.clock = &clock;
    services.locale = &locale;
    services.drive = &drive;
    services.programs = &programs;

    WindowSet windows;
    createWindows(windows, services, alarmSound);
    windows.start();
    return QApplication::exec();
}
