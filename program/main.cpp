// Pocketrix: a small desktop accessory. Creates the window set in its fixed order and
// runs the event loop until the main window closes.

#include <QApplication>

#include "platform/quitsignals.h"
#include "program/startup.h"

int main(int argc, char** argv)
{
    using namespace pocketrix;

    QApplication application(argc, argv);
    quitOnTerminationSignals();
    Program program{Machine{}};
    program.start();
    return QApplication::exec();
}
