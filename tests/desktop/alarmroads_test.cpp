// The alarm's roads through the program as it runs: the window set built as at start-up,
// the real message boxes, real timers and input, and the real sound through SDL's disk
// driver. Runs on the platform QT_QPA_PLATFORM names: offscreen in the suite, and under
// an X11 window manager and a Wayland compositor (see run_on_desktop.sh).

#include <functional>
#include <memory>
#include <optional>

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "controls/monthcalendar.h"
#include "pages/alring3.h"
#include "platform/drivequery.h"
#include "platform/programstart.h"
#include "platform/waveplayer.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// Steps at fixed times from now, run by timers, so they go on whatever event loop is
// running: a program that waited inside a handler would still meet every step, and fail.
class Script {
public:
    Script() { m_clock.start(); }
    void at(int milliseconds, std::function<void()> step)
    {
        QTimer::singleShot(milliseconds, &m_context, std::move(step));
    }
    // Runs the event loop until the given time; boxes still up then are closed, in case
    // one waits in a loop of its own.
    void runFor(int milliseconds)
    {
        QEventLoop loop;
        at(milliseconds, [&] {
            for (QMessageBox* box : test::boxesOnScreen())
                box->done(QMessageBox::Ok);
            loop.quit();
        });
        loop.exec();
    }
    qint64 elapsed() const { return m_clock.elapsed(); }

private:
    QObject m_context;
    QElapsedTimer m_clock;
};

// The program as main() builds it, in a fresh folder with the help data, its sound going
// to a file through SDL's disk driver.
struct TheProgram : ::testing::Test {
    QTemporaryDir folder;
    std::optional<test::InFolder> here;
    std::optional<test::ScopedEnv> driver, output;
    qint64 clockOffset = 0; // the local clock put at a chosen moment, running on from there
    SystemClock clock{[this] { return QDateTime::currentMSecsSinceEpoch() + clockOffset; }};
    StatvfsDriveQuery drive;
    SystemProgramStarter programs;
    SdlWavePlayer sound{POCKETRIX_SOUND_CHECK}; // before the windows, which close it first
    ErrorRule errors;                           // the real message boxes
    std::optional<test::ProgramUnderTest> program;

    void moveClockTo(const QDateTime& moment)
    {
        clockOffset = moment.toMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch();
    }
    QString deviceFile() const { return folder.filePath(QStringLiteral("device.raw")); }

    void start(const QDateTime& moment, const QString& missingHelpFile = {})
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir().mkpath(folder.filePath(QStringLiteral("frontend"))));
        const QDir help(QStringLiteral(POCKETRIX_HELP_DATA));
        for (const QString& name : help.entryList(QDir::Files)) {
            if (QStringLiteral("frontend/") + name != missingHelpFile) {
                ASSERT_TRUE(QFile::copy(help.filePath(name), folder.filePath(QStringLiteral("frontend/") + name)));
            }
        }
        here.emplace(folder.path().toStdString());
        driver.emplace("SDL_AUDIODRIVER", "disk");
        output.emplace("SDL_DISKAUDIOFILE", deviceFile().toLocal8Bit().constData());
        moveClockTo(moment);
        program.emplace(test::ProgramOptions{
            .clock = &clock, .driveQuery = &drive, .programs = &programs, .sound = &sound, .errors = &errors});
        program->start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return program->deferred.started(); }, 20000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !sound.checking(); }, 20000)) << "the sound check ends";
        ASSERT_TRUE(test::boxesOnScreen().isEmpty()) << "the program starts without a message";
        // The main window's first activation cancels any alarm, as every return to it does,
        // so it comes before the alarm is set. A compositor without a keyboard (weston's
        // headless one) activates no window at all.
        (void)QTest::qWaitFor([&] { return program->windows.activeWindow() == window(WindowSet::mainform); }, 3000);
    }

    void TearDown() override
    {
        program.reset();
        here.reset();
    }

    QWidget* window(WindowSet::Slot slot) const { return program->windows.window(slot); }
    template <class T> T* control(WindowSet::Slot slot, const char* name) const
    {
        auto* found = window(slot)->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <class T> T* control(QWidget* within, const char* name) const
    {
        auto* found = within->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // A click on a tab of the main window, as the user changes the page.
    QWidget* openPage(const char* page)
    {
        auto* pages = control<QTabWidget>(WindowSet::mainform, "PageControl1");
        auto* tab = control<QWidget>(pages, page);
        QTabBar* bar = pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pages->indexOf(tab)).center());
        EXPECT_EQ(pages->currentWidget(), tab);
        return tab;
    }

    bool focusIsOn(QWidget* window) const { return QGuiApplication::focusWindow() == window->windowHandle(); }
};

// Whether any sound has reached the output since the last call: the disk driver writes a
// fresh file each time the player opens the output for a sound.
class Output {
public:
    // What is there already (the output check at start-up) counts as heard.
    explicit Output(QString path) : m_path(std::move(path)) { changed(); }
    bool changed()
    {
        const QFileInfo file(m_path);
        const auto now = std::make_pair(file.size(), file.lastModified().toMSecsSinceEpoch());
        const bool changed = file.exists() && file.size() > 0 && now != m_last;
        m_last = now;
        return changed;
    }

private:
    QString m_path;
    std::pair<qint64, qint64> m_last{0, 0};
};

struct FocusCase {
    const char* what;
    bool errorBox; // a help topic whose file is missing leaves its error box up
};

class AlarmRoad : public TheProgram, public ::testing::WithParamInterface<FocusCase> {};

// Set, another window holds the focus, the minute comes, the sound reaches the output
// after it, and "STOP" silences it.
TEST_P(AlarmRoad, RingsWhileAnotherWindowHoldsTheFocusAndStopSilencesIt)
{
    const FocusCase& c = GetParam();
    const QDate day(2026, 12, 9);
    start(QDateTime(day, QTime(23, 59, 30)), QStringLiteral("frontend/pktxtxt3.txt"));
    QWidget* alarmPage = openPage("TabSheet5");
    QTest::mouseClick(control<QPushButton>(alarmPage, "Button1"), Qt::LeftButton);
    ASSERT_TRUE(control<QPushButton>(alarmPage, "Button2")->isVisible()) << "the alarm is set for 00:00";

    control<QAction>(WindowSet::mainform, "Details1")->trigger();
    QWidget* help = window(WindowSet::Helpful);
    ASSERT_TRUE(help->isVisible());
    auto* ringing = static_cast<TForm2*>(window(WindowSet::Form2));
    Output output(deviceFile());

    Script script;
    qint64 minuteAt = -1, firstSoundAt = -1;
    QWindow* focusBeforeTheMinute = nullptr;
    int boxesAtTheMinute = -1, alarmSetAtTheMinute = -1;
    if (c.errorBox) // the "System" topic, whose text is missing
        script.at(0, [&] { QTest::mouseClick(control<QPushButton>(help, "Button3"), Qt::LeftButton); });
    script.at(300, [&] { moveClockTo(QDateTime(day, QTime(23, 59, 58, 500))); });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (minuteAt < 0 && clock.now().minute == 0) {
            minuteAt = script.elapsed();
            boxesAtTheMinute = static_cast<int>(test::boxesOnScreen().size());
            alarmSetAtTheMinute = control<QPushButton>(alarmPage, "Button2")->isVisible() ? 1 : 0;
        }
        if (minuteAt < 0)
            focusBeforeTheMinute = QGuiApplication::focusWindow();
        if (output.changed() && firstSoundAt < 0)
            firstSoundAt = script.elapsed();
    });
    watch.start(10);
    // The minute comes about 1.8 s in; "STOP" goes as soon as the alarm is heard.
    (void)QTest::qWaitFor([&] { return firstSoundAt >= 0; }, 20000);
    QTest::mouseClick(control<QPushButton>(ringing, "Button1"), Qt::LeftButton);
    watch.stop();

    ASSERT_GE(minuteAt, 0);
    EXPECT_NE(focusBeforeTheMinute, window(WindowSet::mainform)->windowHandle())
        << "another window holds the focus when the minute comes";
    EXPECT_EQ(boxesAtTheMinute, c.errorBox ? 1 : 0);
    EXPECT_EQ(alarmSetAtTheMinute, 1);
    ASSERT_GE(firstSoundAt, 0) << "no sound reached the output";
    EXPECT_GE(firstSoundAt, minuteAt) << "a sound came before the minute";
    EXPECT_EQ(ringing->Ringing, 0);
    EXPECT_FALSE(ringing->isVisible());
    // The sound that plays at "STOP" plays to its end; the ticks after it start none.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sound.streaming(); }, 20000));
    output.changed();
    QSignalSpy ticks(ringing->findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= 2; }, 20000));
    EXPECT_FALSE(output.changed()) << "the alarm went on sounding after STOP";
    EXPECT_FALSE(sound.streaming());
}

INSTANTIATE_TEST_SUITE_P(FocusHolders, AlarmRoad,
                         ::testing::Values(FocusCase{"the help reader", false},
                                           FocusCase{"an error box over the help reader", true}),
                         [](const auto& info) { return info.param.errorBox ? "ErrorBox" : "HelpReader"; });

// Holding the year's up arrow from 29 February 2028: the first step raises, and the
// arrow stops there as if released.
TEST_F(TheProgram, AHeldYearArrowStopsAtTheFirstStepThatRaises)
{
    start(QDateTime(QDate(2028, 2, 29), QTime(12, 0)));
    QWidget* calendarPage = openPage("TabSheet3");
    auto* calendar = control<MonthCalendar>(calendarPage, "Calendar1");
    auto* year = control<QLineEdit>(calendarPage, "Edit1");
    QToolButton* up = nullptr;
    for (auto* arrow : control<QWidget>(calendarPage, "UpDown1")->findChildren<QToolButton*>())
        if (arrow->accessibleName() == QStringLiteral("Year up"))
            up = arrow;
    ASSERT_NE(up, nullptr);

    Script script;
    int boxesWhileHeld = -1;
    QString yearWhileHeld, yearAfterRelease;
    script.at(0, [&] { QTest::mousePress(up, Qt::LeftButton); });
    script.at(2000, [&] {
        boxesWhileHeld = static_cast<int>(test::boxesOnScreen().size());
        yearWhileHeld = year->text();
        QTest::mouseRelease(up, Qt::LeftButton);
        up->setDown(false); // where the release could not reach the arrow
    });
    script.at(2400, [&] { yearAfterRelease = year->text(); });
    script.runFor(2600);

    EXPECT_EQ(boxesWhileHeld, 1);
    EXPECT_EQ(yearWhileHeld.toStdString(), "2029");
    EXPECT_EQ(yearAfterRelease.toStdString(), "2029") << "the release adds no step";
    EXPECT_EQ(calendar->Year(), 2028);
    EXPECT_EQ(calendar->Day(), 29);
}

} // namespace
} // namespace pocketrix
