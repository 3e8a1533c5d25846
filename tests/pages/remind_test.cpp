// The reminder window that "Generate Reminder" opens: what it writes, byte for byte, and
// what it keeps when the file cannot be written.

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/reminderfile.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// The program at 9:30 on 7 December 2026, with the Calendar page's "Generate Reminder" and
// the reminder window's memo at hand.
struct Program : test::ProgramUnderTest {
    Program() : ProgramUnderTest({.now = test::reading(2026, 12, 7, 9, 30, 0)})
    {
        generate = main->findChild<QWidget*>(QStringLiteral("TabSheet3"))->findChild<QPushButton*>("Button3");
        memo = reminder->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    }
    void pressButton(const char* name) const
    {
        QTest::mouseClick(reminder->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    QPushButton* generate = nullptr;
    QPlainTextEdit* memo = nullptr;
};

TEST(ReminderWindow, OkWritesTheTypedLinesAndCancelKeepsThem)
{
    const test::InFreshFolder folder;
    Program program;
    EXPECT_TRUE(program.memo->toPlainText().isEmpty());

    QTest::mouseClick(program.generate, Qt::LeftButton);
    QTest::keyClicks(program.memo, QStringLiteral("abcdefgh"));
    QTest::keyClick(program.memo, Qt::Key_Return); // a line break, not OK
    EXPECT_TRUE(program.reminder->isVisible());
    QTest::keyClicks(program.memo, QStringLiteral("12345678"));
    program.pressButton("Button1");
    EXPECT_FALSE(program.reminder->isVisible());
    EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), QByteArrayLiteral("abcdefgh\r\n12345678"));

    QTest::mouseClick(program.generate, Qt::LeftButton);
    EXPECT_EQ(program.memo->toPlainText(), QStringLiteral("abcdefgh\n12345678"));
    program.pressButton("Button2");
    EXPECT_FALSE(program.reminder->isVisible());
    QTest::mouseClick(program.generate, Qt::LeftButton);
    EXPECT_EQ(program.memo->toPlainText(), QStringLiteral("abcdefgh\n12345678"));

    // A line longer than the memo is wide wraps on screen only.
    program.memo->clear();
    const QString longLine = QStringLiteral("word ").repeated(30);
    QTest::keyClicks(program.memo, longLine);
    program.pressButton("Button1");
    EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), longLine.toLatin1());

    QTest::mouseClick(program.generate, Qt::LeftButton);
    program.memo->clear();
    program.pressButton("Button1");
    EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), QByteArray());
}

// Types text as keys would, one character at a time; "\n" is Enter and "\v" Shift+Enter.
void typeInto(QWidget* widget, const QString& typed)
{
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'\n' || typed[i] == u'\v') {
            QTest::keyClick(widget, Qt::Key_Return, typed[i] == u'\v' ? Qt::ShiftModifier : Qt::NoModifier);
            continue;
        }
        const qsizetype length = typed[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, typed.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

TEST(ReminderWindow, OkWritesEverythingTypedByteForByte)
{
    const test::InFreshFolder folder;
    struct Case {
        const char* what;
        QString typed;
        QByteArray bytes;
    } cases[] = {
        {"a non-breaking space", QStringLiteral("9\u00a0am"), QByteArray("9\xc2\xa0") + "am"},
        {"letters of every plane", QStringLiteral("\u20ac \u0f40 \U0001f600"),
         QByteArrayLiteral("\xe2\x82\xac \xe0\xbd\x80 \xf0\x9f\x98\x80")},
        {"Enter and Shift+Enter both break the line", QStringLiteral("one\ntwo\vthree"),
         QByteArrayLiteral("one\r\ntwo\r\nthree")},
    };
    Program program;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTest::mouseClick(program.generate, Qt::LeftButton);
        program.memo->clear();
        typeInto(program.memo, c.typed);
        program.pressButton("Button1");
        EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), c.bytes);
    }
}

TEST(ReminderWindow, ARefusedTextKeepsTheWindowTextAndWritesNothing)
{
    // Lines of 64 characters, 65 bytes each once written with CR LF.
    const auto full = static_cast<qsizetype>(kMemoCapacity);
    const auto lines = [](qsizetype count) { return (QString(63, u'x') + u'\n').repeated(count); };
    struct Case {
        const char* what;
        bool folderUnderTheName;
        QString text;
        QString message;
    } cases[] = {
        {"a folder under the name", true, QStringLiteral("remember"),
         QStringLiteral("Cannot create file 07122026.rem.")},
        {"more than the Jotter holds, a line break counted as CR LF", false, lines(full / 64),
         QStringLiteral("Text exceeds memo capacity.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const test::InFreshFolder folder;
        Program program;
        if (c.folderUnderTheName) {
            ASSERT_TRUE(QDir().mkdir(QStringLiteral("07122026.rem")));
        }
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QTest::mouseClick(program.generate, Qt::LeftButton);
        program.memo->setPlainText(c.text);
        program.pressButton("Button1");
        EXPECT_EQ(program.errors.messages(), QStringList{c.message});
        EXPECT_TRUE(program.reminder->isVisible());
        EXPECT_EQ(program.memo->toPlainText(), c.text);
        EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }
}

} // namespace
} // namespace pocketrix
