#include <memory>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/core/errors.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "tests/doubles.h"

namespace pocketrix {
namespace {

struct WindowSetFixture : ::testing::Test {
    test::RecordedErrors errors;
    WindowSet windows{errors};
    QWidget* main = nullptr;
    QWidget* second = nullptr;
    int mainActivations = 0;
    int secondActivations = 0;

    void SetUp() override
    {
        windows.add(WindowSet::mainform, std::make_unique<QWidget>());
        windows.add(WindowSet::Form2, std::make_unique<QWidget>());
        main = windows.window(WindowSet::mainform);
        second = windows.window(WindowSet::Form2);
        main->setGeometry(40, 40, 200, 100);
        second->setGeometry(300, 40, 200, 100);
        windows.track(main, [this] { ++mainActivations; });
        windows.track(second, [this] { ++secondActivations; });
        windows.show(main);
        ASSERT_TRUE(QTest::qWaitFor([&] { return mainActivations == 1; }));
    }

    bool active(QWidget* window) const
    {
        return QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window->windowHandle(); });
    }
};

TEST_F(WindowSetFixture, ShowActivatesAHiddenWindowAndRunsItsHandler)
{
    EXPECT_EQ(windows.activeWindow(), main);
    windows.show(second);
    ASSERT_TRUE(active(second));
    EXPECT_EQ(secondActivations, 1);
    EXPECT_EQ(mainActivations, 1);
}

TEST_F(WindowSetFixture, ShowOnAVisibleWindowDoesNothing)
{
    windows.show(second);
    ASSERT_TRUE(active(second));
    main->activateWindow();
    ASSERT_TRUE(active(main));
    EXPECT_EQ(mainActivations, 2);
    windows.show(second); // visible already: not raised, not activated
    QCoreApplication::processEvents();
    EXPECT_TRUE(active(main));
    EXPECT_EQ(secondActivations, 1);
}

TEST_F(WindowSetFixture, HidingTheActiveWindowActivatesTheMainWindow)
{
    windows.show(second);
    ASSERT_TRUE(active(second));
    windows.hide(second);
    EXPECT_FALSE(second->isVisible());
    ASSERT_TRUE(active(main));
    EXPECT_EQ(mainActivations, 2);
}

TEST_F(WindowSetFixture, TheCloseBoxOnlyHidesASecondaryWindow)
{
    QPointer<QWidget> kept = second;
    windows.show(second);
    ASSERT_TRUE(active(second));
    EXPECT_FALSE(second->close());
    EXPECT_FALSE(second->isVisible());
    ASSERT_FALSE(kept.isNull());
    ASSERT_TRUE(active(main));
    windows.show(second);
    EXPECT_TRUE(active(second));
    EXPECT_EQ(secondActivations, 2);
}

TEST_F(WindowSetFixture, ComingBackFromAnotherApplicationRunsNoHandler)
{
    // The focus leaves the program and returns to the window that had it.
    emit qGuiApp->focusWindowChanged(nullptr);
    emit qGuiApp->focusWindowChanged(main->windowHandle());
    EXPECT_EQ(mainActivations, 1);
    // Windows outside the set (a message box, a menu) are not the program's windows either.
    QWidget stranger;
    stranger.show();
    stranger.activateWindow();
    ASSERT_TRUE(active(&stranger));
    main->activateWindow();
    ASSERT_TRUE(active(main));
    EXPECT_EQ(mainActivations, 1);
}

// Deferred start-up work runs after the main window shows and after the messages found
// while creating the windows; work handed over later runs at once.
TEST(StartUp, DeferredWorkWaitsForTheMainWindowAndTheStartUpMessages)
{
    test::RecordedErrors errors;
    WindowSet windows{errors};
    DeferredStart start{errors};
    QWidget* main = windows.add(WindowSet::mainform, std::make_unique<QWidget>());
    QStringList seen;
    start.reportAfterStart(QStringLiteral("found while creating"));
    start.whenStarted([&] {
        seen << (main->isVisible() ? "shown" : "hidden");
        start.reportAfterStart(QStringLiteral("found while opening"));
    });
    start.whenStarted([&] { throw Error("deferred work failed"); });
    windows.show(main);
    start.start();
    EXPECT_TRUE(seen.isEmpty()) << "nothing deferred runs inside start";
    ASSERT_TRUE(QTest::qWaitFor([&] { return start.started(); }));
    EXPECT_EQ(seen, QStringList{"shown"});
    EXPECT_EQ(errors.messages(),
              (QStringList{"found while creating.", "found while opening.", "deferred work failed."}));

    errors.clear();
    start.whenStarted([&] { start.reportAfterStart(QStringLiteral("late")); });
    EXPECT_EQ(errors.messages(), QStringList{"late."});
}

class Failing : public QObject {
public:
    int runs = 0;
    void Tick(QObject* /*sender*/)
    {
        ++runs;
        throw Error("Cannot open file frontend/missing.txt");
    }
    void Quiet(QObject* /*sender*/) { throw SilentAbort(); }
};

TEST(ErrorRule, AFailingTimerHandlerGivesOneMessagePerTick)
{
    test::RecordedErrors errors;
    Failing failing;
    QTimer timer;
    timer.setInterval(5);
    errors.bindHandler(&timer, &QTimer::timeout, &failing, &Failing::Tick);
    timer.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return failing.runs >= 3; }));
    timer.stop();
    EXPECT_EQ(errors.messages().size(), failing.runs);
    EXPECT_EQ(errors.messages().first(), "Cannot open file frontend/missing.txt.");
}

// The real box: shown without waiting, so the failing timer keeps its interval and the
// other windows stay usable; the same message again opens no second box while it is up,
// and the end of the run closes it.
TEST(ErrorRule, TheBoxWaitsForNobodyAndShowsAMessageOnce)
{
    auto rule = std::make_unique<ErrorRule>();
    Failing failing;
    QTimer timer;
    timer.setInterval(50);
    rule->bindHandler(&timer, &QTimer::timeout, &failing, &Failing::Tick);
    QWidget other;
    other.show();
    int ticksWithTheBoxUp = -1;
    bool otherTookTheFocus = false;
    QStringList boxes; // what each box on screen showed
    test::Script script;
    script.at(0, [&] { timer.start(); });
    script.at(100, [&] { other.activateWindow(); });
    script.at(600, [&] {
        ticksWithTheBoxUp = failing.runs;
        otherTookTheFocus = other.isActiveWindow();
        for (const QMessageBox* box : test::boxesOnScreen())
            boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                                 QString::number(box->standardButtons()), QString::number(box->windowModality())}
                         .join('|');
        timer.stop();
    });
    script.runFor(700);

    EXPECT_GE(ticksWithTheBoxUp, 8) << "the failing timer kept its interval";
    EXPECT_TRUE(otherTookTheFocus) << "another window could take the focus with the box up";
    const QString expected =
        QStringList{"Pocketrix", "Cannot open file frontend/missing.txt.", QString::number(QMessageBox::Critical),
                    QString::number(QMessageBox::Ok), QString::number(Qt::NonModal)}
            .join('|');
    EXPECT_EQ(boxes.join('\n').toStdString(), expected.toStdString());

    // Once the box is answered, the message opens a box again.
    EXPECT_TRUE(test::boxesOnScreen().isEmpty());
    rule->runGuarded([&] { failing.Tick(&timer); });
    EXPECT_EQ(test::boxesOnScreen().size(), 1);
    rule.reset();
    EXPECT_TRUE(test::boxesOnScreen().isEmpty());
}

TEST(ErrorRule, ASilentAbortShowsNothing)
{
    test::RecordedErrors errors;
    Failing failing;
    QTimer timer;
    timer.setInterval(1);
    timer.setSingleShot(true);
    errors.bindHandler(&timer, &QTimer::timeout, &failing, &Failing::Quiet);
    bool fired = false;
    QObject::connect(&timer, &QTimer::timeout, [&] { fired = true; });
    timer.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired; }));
    EXPECT_TRUE(errors.messages().isEmpty());
}

// The guard tells its caller whether the handler ran through; a silent abort is a raise.
TEST(ErrorRule, RunGuardedTellsWhetherTheHandlerRanThrough)
{
    test::RecordedErrors errors;
    EXPECT_TRUE(errors.runGuarded([] {}));
    EXPECT_FALSE(errors.runGuarded([] { throw Error("Disk full"); }));
    EXPECT_FALSE(errors.runGuarded([] { throw SilentAbort(); }));
    EXPECT_FALSE(errors.runGuarded([] { throw 1; }));
    EXPECT_EQ(errors.messages(), (QStringList{"Disk full.", "Unknown error."}));
}

} // namespace
} // namespace pocketrix
