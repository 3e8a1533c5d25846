#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "tests/doubles/doubles.h"
#include "windows/sharabout.h"

namespace pocketrix {
namespace {

TEST(AboutWindow, ShowsNameVersionAndPicture)
{
    test::RecordedErrors errors;
    WindowSet windows{errors};
    Tsharabout about(windows, errors);
    EXPECT_EQ(about.windowTitle(), "About Pocketrix");
    EXPECT_EQ(about.size(), QSize(257, 153));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()); // a fixed dialog frame
    auto* label = about.findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Pocketrix version 0.9");
    EXPECT_EQ(label->pos(), QPoint(64, 16));
    auto* image = about.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(12, 28, 37, 37));
    EXPECT_EQ(image->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(about.windowIcon().isNull());
    auto* ok = about.findChild<QPushButton*>("Button1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(84, 124, 75, 25));
}

TEST(AboutWindow, OkHidesItAndTheMainWindowTakesOver)
{
    test::RecordedErrors errors;
    WindowSet windows{errors};
    QWidget* main = windows.add(WindowSet::mainform, std::make_unique<QWidget>());
    QWidget* about = windows.add(WindowSet::sharabout, std::make_unique<Tsharabout>(windows, errors));
    int mainActivations = 0;
    windows.track(main, [&] { ++mainActivations; });
    windows.show(main);
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == main; }));
    mainActivations = 0;

    windows.show(about);
    windows.show(about); // a second "About..." changes nothing
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == about; }));
    QTest::mouseClick(about->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.activeWindow() == main; }));
    EXPECT_EQ(mainActivations, 1);

    windows.show(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(), "Pocketrix version 0.9");
}

} // namespace
} // namespace pocketrix
