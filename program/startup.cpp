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

void createWindows(WindowSet& windows, const Services& services, WavePlayer& alarmSound)
{
    windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows));
    windows.add(WindowSet::Form2, std::make_unique<TForm2>(windows, alarmSound));
    windows.add(WindowSet::Form3, std::make_unique<TForm3>(windows));
    windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows));
    windows.add(WindowSet::Form5, std::make_unique<TForm5>());
    windows.add(WindowSet::sharabout, std::make_unique<Tsharabout>(windows));
    windows.add(WindowSet::Helpful, std::make_unique<THelpful>(windows));

    QObject::connect(windows.get<TForm3>(WindowSet::Form3), &TForm3::reminderWritten,
                     windows.get<Tmainform>(WindowSet::mainform), &Tmainform::reminderWritten);
}

Program::Program(Machine machine) : m_machine(std::move(machine))
{
    QApplication::setApplicationName(QStringLiteral("Pocketrix"));
    // Secondary windows may be open when the main window closes; its close ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    installLook();
    installAccessibleControls();
    const auto present = [](const auto& service) { return service ? std::optional(std::ref(*service)) : std::nullopt; };
    const Services services{*m_machine.clock, m_machine.locale, present(m_machine.programs), present(m_machine.drive)};
    createWindows(*m_windows, services, *m_machine.alarmSound);
}

} // namespace pocketrix
