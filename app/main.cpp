// Pocketrix: a small desktop accessory. Creates the window set in its fixed order and
// runs the event loop until the main window closes.

#include <memory>

#include <QApplication>

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "pages/alring3.h"
#include "pages/jotter.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "pages/services.h"
#include "pages/warning.h"
#include "platform/clock.h"
#include "platform/drivequery.h"
#include "platform/localevalues.h"
#include "platform/programstart.h"
#include "platform/waveplayer.h"
#include "windows/fronthlp.h"
#include "windows/sharabout.h"

int main(int argc, char** argv)
{
    using namespace pocketrix;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pocketrix"));
    // Secondary windows may be open when the main window closes; its close ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();

    SystemClock clock;
    LocaleValues locale = systemLocaleValues();
    StatvfsDriveQuery drive;
    SystemProgramStarter programs;
    // Declared before the window set, so the ringing window closes its sound first.
    SdlWavePlayer alarmSound;
    Services services;
    services.clock = &clock;
    services.locale = &locale;
    services.drive = &drive;
    services.programs = &programs;

    WindowSet windows;
    windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows));
    windows.add(WindowSet::Form2, std::make_unique<TForm2>(windows, alarmSound));
    windows.add(WindowSet::Form3, std::make_unique<TForm3>(windows));
    windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows));
    windows.add(WindowSet::Form5, std::make_unique<TForm5>(windows));
    windows.add(WindowSet::sharabout, std::make_unique<Tsharabout>(windows));
    windows.add(WindowSet::Helpful, std::make_unique<THelpful>(windows));

    QObject::connect(windows.get<TForm3>(WindowSet::Form3), &TForm3::reminderWritten,
                     windows.get<Tmainform>(WindowSet::mainform), &Tmainform::reminderWritten);

    windows.start();
    return QApplication::exec();
}
