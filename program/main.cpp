// Pocketrix: a small desktop accessory. Creates the window set in its fixed order and
// runs the event loop until the main window closes.

#include <QApplication>

#include "app/shell/definition.h"
#include "platform/quitsignals.h"
#include "program/startup.h"

int main(int argc, char** argv)
{
    using namespace pocketrix;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pocketrix"));
    // Secondary windows may be open when the main window closes; its close ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();
    installLook();

    Program program{Machine{}};
    program.windows().start();
    return QApplication::exec();
}
