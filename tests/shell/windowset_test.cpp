#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "app/shell/windowset.h"
#include "tests/doubles/doubles.h"

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

} // namespace
} // namespace pocketrix
