#include "tests/doubles/programundertest.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

#include "controls/piegauge.h"
#include "pages/alring3.h"
#include "pages/jotter.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "pages/warning.h"
#include "program/startup.h"
#include "windows/fronthlp.h"
#include "windows/sharabout.h"

namespace pocketrix::test {

struct ProgramUnderTest::HelpFolder {
    TemporaryFolder folder;
    std::optional<InFolder> here;

    HelpFolder()
    {
        std::error_code error;
        if (folder.isValid())
            std::filesystem::create_directory_symlink(POCKETRIX_SOURCE_DIR "/frontend", folder.filePath("frontend"),
                                                      error);
        if (folder.isValid() && !error)
            here.emplace(folder.path());
        if (!here || !here->entered())
            throw std::runtime_error("cannot make a folder with the help data");
    }
};

ProgramUnderTest::ProgramUnderTest(ProgramOptions options)
    : m_helpFolder(options.inFolderWithHelp ? std::make_unique<HelpFolder>() : nullptr), clock(options.now),
      drive(options.drive), rule(options.errors != nullptr ? *options.errors : errors),
      services{options.clock != nullptr ? *options.clock : clock, locale,
               options.programs != nullptr ? options.programs : &programs,
               options.driveQuery != nullptr ? options.driveQuery : &drive}
{
    createWindows(windows, rule, deferred, services, options.sound != nullptr ? *options.sound : sound);
    main = static_cast<Tmainform*>(windows.window(WindowSet::mainform));
    ringing = static_cast<TForm2*>(windows.window(WindowSet::Form2));
    reminder = static_cast<TForm3*>(windows.window(WindowSet::Form3));
    warning = static_cast<TForm4*>(windows.window(WindowSet::Form4));
    jotter = static_cast<TForm5*>(windows.window(WindowSet::Form5));
    about = static_cast<Tsharabout*>(windows.window(WindowSet::sharabout));
    help = static_cast<THelpful*>(windows.window(WindowSet::Helpful));
    if (options.testTicksTheRinging) {
        ringing->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        ringing->setSystemBeep([this] { ++beeps; });
    }
}

ProgramUnderTest::~ProgramUnderTest() = default;

void ProgramUnderTest::start()
{
    windows.show(main);
    deferred.start();
}

void ProgramUnderTest::setAlarm(int hour, int minute)
{
    const auto press = [this](const char* name, int times) {
        auto* button = main->findChild<QAbstractButton*>(QString::fromLatin1(name));
        for (int i = 0; i < times; ++i)
            button->click();
    };
    press("SpeedButton10", hour);
    press("SpeedButton12", minute);
    press("Button1", 1);
}

void ProgramUnderTest::ringingTick()
{
    rule.runGuarded([this] { ringing->Timer1Timer(ringing); });
}

SystemPageOn::SystemPageOn(std::int64_t freeBytes, std::int64_t totalBytes)
    : PageOn(reading(2026, 3, 4, 10, 50, 0), {freeBytes, totalBytes})
{
    context.others.warning = windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows, errors));
    state.StartTime = "10:50:00";
    comboBox()->setCurrentIndex(0); // 5 MB
}

QLabel* SystemPageOn::label(const char* name) const { return page.findChild<QLabel*>(QString::fromLatin1(name)); }
QCheckBox* SystemPageOn::checkBox() const { return page.findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }
QComboBox* SystemPageOn::comboBox() const { return page.findChild<QComboBox*>(QStringLiteral("ComboBox2")); }
PieGauge* SystemPageOn::pageGauge() const { return page.findChild<PieGauge*>(QStringLiteral("Gauge1")); }

} // namespace pocketrix::test
