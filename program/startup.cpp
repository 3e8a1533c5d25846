#include "program/startup.h"

#include <QApplication>

#include "app/shell/definition.h"
#include "controls/accessiblecontrols.h"
#include "pages/alring3.h"
#include "pages/jotter.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "pages/warning.h"
#include "windows/fronthlp.h"
#include "windows/sharabout.h"

namespace pocketrix {

void createWindows(WindowSet& windows, ErrorRule& errors, DeferredStart& start, const Services& services,
                   WavePlayer& alarmSound)
{
    auto* main = windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows, errors));
    OtherWindows others;
    others.ringing = windows.add(WindowSet::Form2, std::make_unique<TForm2>(windows, errors, start, alarmSound));
    others.reminder = windows.add(WindowSet::Form3, std::make_unique<TForm3>(windows, errors));
    others.warning = windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows, errors));
    windows.add(WindowSet::Form5, std::make_unique<TForm5>());
    others.about = windows.add(WindowSet::sharabout, std::make_unique<Tsharabout>(windows, errors));
    others.help = windows.add(WindowSet::Helpful, std::make_unique<THelpful>(errors, start));
    main->setOtherWindows(others);
    QObject::connect(others.reminder, &TForm3::reminderWritten, main, &Tmainform::reminderWritten);
    errors.setBoxAnchor([&windows] {
        QWidget* active = windows.activeWindow();
        return active != nullptr && active->isVisible() ? active : windows.window(WindowSet::mainform);
    });
}

Program::Program(Machine machine, Presenter errors) : m_machine(std::move(machine)), m_errors(std::move(errors))
{
    QApplication::setApplicationName(QStringLiteral("Pocketrix"));
    // Secondary windows may be open when the main window closes; its close ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    installLook();
    installAccessibleControls();
    const Services services{*m_machine.clock, m_machine.locale, m_machine.programs.get(), m_machine.drive.get()};
    createWindows(*m_windows, m_errors, m_start, services, *m_machine.alarmSound);
}

void Program::start()
{
    m_windows->show(m_windows->window(WindowSet::mainform));
    m_start.start();
}

} // namespace pocketrix
