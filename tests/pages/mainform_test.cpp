#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>

#include "pages/mainform.h"
#include "pages/warning.h"
#include "platform/localereader.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// The program at 22:28:05 on 7 December 2026, its clock and locale set by the test.
struct MainWindowFixture : ::testing::Test {
    test::ProgramUnderTest program;
    test::SettableClock& clock = program.clock;
    LocaleValues& locale = program.locale;
    Tmainform* main = program.main;
};

TEST_F(MainWindowFixture, StartsWithTheTitleAndTheFivePages)
{
    EXPECT_EQ(main->windowTitle(), "Pocketrix - December 7, 2026  10:28 PM");
    EXPECT_EQ(main->state().StartTime, "22:28:05");
    EXPECT_EQ(main->centralWidget()->size(), QSize(384, 167));
    EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "the main window is not resizable";
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);

    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    const QStringList expected{"Programs", "System", "Calendar", "World Time", "Alarm Clock"};
    ASSERT_EQ(pages->count(), expected.size());
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_EQ(pages->tabText(i), expected[i]);
    EXPECT_EQ(pages->currentIndex(), 0);

    auto* help = main->findChild<QMenu*>(QStringLiteral("Help1"));
    ASSERT_NE(help, nullptr);
    QStringList items;
    for (QAction* action : help->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"Details...", "-", "About..."}));
}

TEST_F(MainWindowFixture, TheTitleChangesOnlyWhenTheMinuteDoes)
{
    QSignalSpy titles(main, &QWidget::windowTitleChanged);
    struct Step {
        const char* what;
        int year, month, day, hour, minute, second;
        const char* title; // nullptr: no update
    } steps[] = {
        {"same minute, later second", 2026, 12, 7, 22, 28, 59, nullptr},
        {"the minute turns", 2026, 12, 7, 22, 29, 0, "Pocketrix - December 7, 2026  10:29 PM"},
        {"a second later", 2026, 12, 7, 22, 29, 1, nullptr},
        {"just before midnight", 2026, 12, 7, 23, 59, 59, "Pocketrix - December 7, 2026  11:59 PM"},
        {"midnight changes date and time at once", 2026, 12, 8, 0, 0, 0, "Pocketrix - December 8, 2026  12:00 AM"},
        {"the clock is set back", 2026, 12, 7, 23, 0, 0, "Pocketrix - December 7, 2026  11:00 PM"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        titles.clear();
        clock.set(s.year, s.month, s.day, s.hour, s.minute, s.second);
        main->Timer1Timer(nullptr);
        if (s.title == nullptr) {
            EXPECT_EQ(titles.count(), 0);
        } else {
            EXPECT_EQ(titles.count(), 1);
            EXPECT_EQ(main->windowTitle(), s.title);
            EXPECT_EQ(main->state().PreviousCaption, main->state().CaptionText);
        }
    }
}

TEST_F(MainWindowFixture, UnderEveryLocaleTheTitleFollowsTheMinuteAndTheAlarmIsChecked)
{
    // Set for 00:01, a minute no turn below reaches, so the comparison runs but never rings.
    auto* alarmPage = main->findChild<QWidget*>(QStringLiteral("TabSheet5"));
    alarmPage->findChild<QAbstractButton*>(QStringLiteral("SpeedButton12"))->click();
    alarmPage->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    ASSERT_EQ(main->state().AlarmSet, 1);
    const auto* compared = alarmPage->findChild<QLabel*>(QStringLiteral("Label26"));

    struct Turn {
        const char* what;
        int year, month, day, hour, minute; // the minute before the turn
        int nextYear, nextMonth, nextDay, nextHour, nextMinute;
        const char* shortTime; // what the alarm comparison reads after the turn
    } turns[] = {
        {"late evening, long month name", 2026, 12, 7, 22, 28, 2026, 12, 7, 22, 29, "22:29"},
        {"morning to noon, long day name", 2026, 9, 3, 11, 59, 2026, 9, 3, 12, 0, "12:00"},
        {"noon to one", 2026, 9, 30, 12, 59, 2026, 9, 30, 13, 0, "13:00"},
        {"midnight, a new month", 2026, 11, 30, 23, 59, 2026, 12, 1, 0, 0, "00:00"},
    };
    QStringList stalled;
    const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 100);
    for (const QLocale& qtLocale : all) {
        locale = localeValuesFrom(qtLocale);
        for (const Turn& t : turns) {
            clock.set(t.year, t.month, t.day, t.hour, t.minute, 30);
            main->Timer1Timer(nullptr);
            const QString before = main->windowTitle();
            clock.set(t.nextYear, t.nextMonth, t.nextDay, t.nextHour, t.nextMinute, 0);
            main->Timer1Timer(nullptr);
            if (main->windowTitle() == before || compared->text() != QString::fromLatin1(t.shortTime))
                stalled << qtLocale.name() + QStringLiteral(" (") + QString::fromLatin1(t.what) + QStringLiteral(")");
        }
    }
    EXPECT_TRUE(stalled.isEmpty()) << stalled.join(QStringLiteral(", ")).toStdString();
}

TEST_F(MainWindowFixture, ALocaleChangeReachesTheTitleAtTheNextMinute)
{
    locale.longDatePicture = "'changed'";
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(main, &change);
    // The reload takes the system's items again; the test's own picture is gone with it.
    EXPECT_NE(locale.longDatePicture, "'changed'");
    clock.set(2026, 12, 7, 22, 30, 0);
    main->Timer1Timer(nullptr);
    EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral("10:30 PM")));
}

// Every page, and the group box and pie gauge on the System page, show the button face
// that the main window shows around the tab control.
TEST_F(MainWindowFixture, PagesShowTheButtonFaceOfTheFrame)
{
    main->show();
    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    const std::string face = main->palette().color(QPalette::Button).name().toStdString();
    const auto pixel = [this](const QWidget* widget, QPoint point) {
        return main->grab().toImage().pixelColor(widget->mapTo(main, point)).name().toStdString();
    };
    EXPECT_EQ(pixel(main->centralWidget(), {200, 26}), face) << "between the banner and the tabs";
    for (int index = 0; index < pages->count(); ++index) {
        SCOPED_TRACE(pages->tabText(index).toStdString());
        pages->setCurrentIndex(index);
        QCoreApplication::processEvents();
        const QWidget* page = pages->widget(index);
        EXPECT_EQ(pixel(page, {page->width() - 3, 1}), face);
        EXPECT_EQ(pixel(page, {1, page->height() - 2}), face);
    }
    pages->setCurrentIndex(1);
    QCoreApplication::processEvents();
    const auto* group = main->findChild<QWidget*>(QStringLiteral("GroupBox1"));
    const auto* gauge = main->findChild<QWidget*>(QStringLiteral("Gauge1"));
    ASSERT_NE(group, nullptr);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(pixel(group, {20, 60}), face) << "inside the group box";
    EXPECT_EQ(pixel(gauge, {1, 1}), face) << "the gauge's corner, inside its frame";
}

TEST(Shutdown, ClosingTheMainWindowEndsTheRunWhateverElseIsOpen)
{
    test::ProgramUnderTest program;
    program.windows.show(program.main);
    program.windows.show(program.warning);
    QTimer::singleShot(0, program.main, &QWidget::close);
    // A second window is still visible, yet the event loop ends, with exit code 0.
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(program.warning->isVisible());
}

} // namespace
} // namespace pocketrix
