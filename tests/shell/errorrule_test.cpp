#include <memory>

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/core/errors.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "tests/doubles/doubles.h"

namespace pocketrix {
namespace {

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

// One tick of a timer, as its interval would bring it, without waiting for it.
void tick(QTimer& timer) { QMetaObject::invokeMethod(&timer, "timeout"); }

TEST(ErrorRule, AFailingTimerHandlerGivesOneMessagePerTick)
{
    test::RecordedErrors errors;
    Failing failing;
    QTimer timer;
    errors.bindHandler(&timer, &QTimer::timeout, &failing, &Failing::Tick);
    for (int n = 0; n < 3; ++n)
        tick(timer);
    ASSERT_EQ(failing.runs, 3);
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
    rule->bindHandler(&timer, &QTimer::timeout, &failing, &Failing::Tick);
    QWidget other;
    other.show();
    // The answerer runs only where an event loop does: within a tick, that is a box waiting
    // for its answer, which it then gives, so that the tick returns and the test fails.
    bool inTick = false;
    bool aTickWaited = false;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        aTickWaited = aTickWaited || inTick;
        for (QMessageBox* box : test::boxesOnScreen())
            box->done(QMessageBox::Ok);
    });
    answerer.start();
    for (int n = 0; n < 10; ++n) {
        inTick = true;
        tick(timer);
        inTick = false;
    }
    answerer.stop();
    other.activateWindow();
    const bool otherTookTheFocus = QTest::qWaitFor([&] { return other.isActiveWindow(); });
    const int ticksWithTheBoxUp = failing.runs;
    QStringList boxes; // what each box on screen showed
    for (const QMessageBox* box : test::boxesOnScreen())
        boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                             QString::number(box->standardButtons()), QString::number(box->windowModality())}
                     .join('|');

    EXPECT_FALSE(aTickWaited) << "a tick waited for its box";
    EXPECT_EQ(ticksWithTheBoxUp, 10) << "the failing timer kept its interval";
    EXPECT_TRUE(otherTookTheFocus) << "another window could take the focus with the box up";
    const QString expected =
        QStringList{"Pocketrix", "Cannot open file frontend/missing.txt.", QString::number(QMessageBox::Critical),
                    QString::number(QMessageBox::Ok), QString::number(Qt::NonModal)}
            .join('|');
    EXPECT_EQ(boxes.join('\n').toStdString(), expected.toStdString());

    // Once the box is answered, the message opens a box again.
    for (QMessageBox* box : test::boxesOnScreen())
        box->done(QMessageBox::Ok);
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
    errors.bindHandler(&timer, &QTimer::timeout, &failing, &Failing::Quiet);
    bool fired = false;
    QObject::connect(&timer, &QTimer::timeout, [&] { fired = true; });
    tick(timer);
    ASSERT_TRUE(fired);
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

// A box already up moves out of the way of a window kept clear wherever that window is put
// after its show, as the window manager does on a busy desktop.
TEST(ErrorRule, NoBoxStaysUnderAWindowKeptClear)
{
    ErrorRule rule;
    QWidget ringing;
    ringing.resize(240, 150);
    rule.keepClear(&ringing);
    ringing.show();
    rule.report(QStringLiteral("No MCI device open"));
    ASSERT_EQ(test::boxesOnScreen().size(), 1);
    QMessageBox* box = test::boxesOnScreen().first();
    ringing.move(box->pos());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box->geometry().intersects(ringing.geometry()); }));
}

} // namespace
} // namespace pocketrix
