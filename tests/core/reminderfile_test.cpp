#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/core/reminderfile.h"
#include "platform/regularfile.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

using test::errorOf;

TEST(ReminderFile, NameIsDayMonthYear)
{
    struct Case {
        int year, month, day;
        const char* name;
    } cases[] = {{2026, 12, 7, "07122026.rem"},
                 {2026, 11, 25, "25112026.rem"},
                 {2027, 1, 1, "01012027.rem"},
                 {1700, 10, 31, "31101700.rem"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reminderFileName(c.year, c.month, c.day), c.name);
        ClockState state;
        recordStartDate(state, c.year, c.month, c.day);
        EXPECT_EQ(state.TodayReminderName, c.name);
        EXPECT_EQ(state.DayText, std::to_string(c.day));
        EXPECT_EQ(state.MonthText, std::to_string(c.month));
        EXPECT_EQ(state.YearText, std::to_string(c.year));
    }
}

TEST(ReminderFile, EncodingPutsCrLfBetweenLinesOnly)
{
    struct Case {
        const char* what;
        std::string text;
        std::string bytes;
    } cases[] = {
        {"two lines of 8", "abcdefgh\n12345678", "abcdefgh\r\n12345678"},
        {"empty memo", "", ""},
        {"text ending in an empty line", "one\n", "one\r\n"},
        {"blank line inside", "a\n\nb", "a\r\n\r\nb"},
        {"CR LF and lone CR in the text", "a\r\nb\rc", "a\r\nb\r\nc"},
        {"8-bit characters pass unchanged", "caf\xc3\xa9", "caf\xc3\xa9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(encodeMemoText(c.text), c.bytes);
    }
    EXPECT_EQ(encodeMemoText("abcdefgh\n12345678").size(), 18U);
}

TEST(ReminderFile, EditorTextIsWrittenAsTypedWithCrLfForEachBreak)
{
    struct Case {
        const char* what;
        std::string text;
        std::string bytes;
    } cases[] = {
        {"paragraphs (Enter)", "one\u2029two", "one\r\ntwo"},
        {"a line break within one (Shift+Enter)", "one\u2028two", "one\r\ntwo"},
        {"a break at the end and an empty line", "a\u2029\u2029b\u2029", "a\r\n\r\nb\r\n"},
        {"a non-breaking space stays", "9\u00a0am", std::string("9\xc2\xa0") + "am"},
        {"neighbours of the separators stay", "\u2027\u202a\u2030", "\xe2\x80\xa7\xe2\x80\xaa\xe2\x80\xb0"},
        {"an empty memo", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(encodeEditorText(c.text), c.bytes);
    }
}

TEST(ReminderFile, DecodingNormalisesLineBreaksAndStopsAtNul)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"CR LF", "one\r\ntwo", "one\r\ntwo"},
        {"LF only", "one\ntwo\nthree", "one\r\ntwo\r\nthree"},
        {"CR only", "one\rtwo\rthree", "one\r\ntwo\r\nthree"},
        {"break at the end stays", "one\ntwo\n", "one\r\ntwo\r\n"},
        {"CR at the very end", "one\r", "one\r\n"},
        {"LF CR is two breaks", "a\n\rb", "a\r\n\r\nb"},
        {"CR CR LF", "a\r\r\nb", "a\r\n\r\nb"},
        {"NUL ends the text", std::string("one\ntwo\0three\n", 14), "one\r\ntwo"},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(decodeMemoText(c.bytes), c.text);
        // The same bytes fed one at a time, as a file read in pieces splits them.
        MemoTextDecoder decoder;
        for (const char byte : c.bytes)
            decoder.feed(std::string_view(&byte, 1));
        EXPECT_EQ(decoder.finish(), c.text);
    }
}

TEST(ReminderFile, DecodingRaisesBeyondTheMemoCapacity)
{
    EXPECT_EQ(decodeMemoText("12345", 5), "12345");
    EXPECT_EQ(errorOf([] { decodeMemoText("123456", 5); }), "Text exceeds memo capacity");
    // Line breaks count as the two bytes a memo holds for them.
    EXPECT_EQ(errorOf([] { decodeMemoText("12\n45", 5); }), "Text exceeds memo capacity");
    // Bytes after the NUL are not part of the text.
    EXPECT_EQ(decodeMemoText(std::string("123\0"
                                         "4567890",
                                         11),
                             5),
              "123");

    MemoTextDecoder decoder(4);
    decoder.feed("12");
    EXPECT_EQ(errorOf([&] { decoder.feed("345"); }), "Text exceeds memo capacity");
}

TEST(ReminderFile, ReadingAFile)
{
    const test::TemporaryFolder folder;
    ASSERT_TRUE(folder.isValid());
    const std::string lf = folder.filePath("lf.rem");
    test::writeFile(lf, "first\nsecond\n");
    EXPECT_EQ(readMemoTextFile(lf), "first\r\nsecond\r\n");

    const std::string missing = folder.filePath("07122026.rem");
    EXPECT_EQ(errorOf([&] { readMemoTextFile(missing); }), "Cannot open file " + missing);
    const std::string& directory = folder.path();
    EXPECT_EQ(errorOf([&] { readMemoTextFile(directory); }), "Cannot open file " + directory);

    const std::string large = folder.filePath("large.rem");
    test::writeFile(large, std::string(kMemoCapacity + 1, 'x'));
    EXPECT_EQ(errorOf([&] { readMemoTextFile(large); }), "Text exceeds memo capacity");
}

TEST(ReminderFile, ShownTextKeepsEveryByte)
{
    struct Case {
        const char* what;
        std::string memoText, shown;
    } cases[] = {
        {"8-bit text, CR LF to LF", "caf\xe9\r\ncr\xe8me", "caf\u00e9\ncr\u00e8me"},
        {"UTF-8 stays", "caf\xc3\xa9 \xf0\x9f\x98\x80", "caf\u00e9 \U0001f600"},
        {"Windows-1252 and its unassigned bytes", "\x80\x8a\x8d\x9f", "\u20ac\u0160\u008d\u0178"},
        {"one stray byte makes all of it 8-bit", "\xc3\xa9\xff", "\u00c3\u00a9\u00ff"},
        {"overlong, surrogate, cut: no UTF-8", "\xc0\xaf\xed\xa0\x80\xc3", "\u00c0\u00af\u00ed\u00a0\u20ac\u00c3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(shownText(c.memoText), c.shown);
    }
}

TEST(ReminderFile, AGivenBackFileReplacesNothingAndAFolderThatRefusesKeepsIt)
{
    const test::InFreshFolder folder;
    test::writeFile("taken", "old");
    test::writeFile("07122026.rem", "new");
    EXPECT_FALSE(renameWithoutReplacing("taken", "07122026.rem"));
    EXPECT_EQ(test::fileContent("07122026.rem"), "new");
    EXPECT_EQ(test::fileContent("taken"), "old");
    ASSERT_EQ(chmod(".", 0555), 0);
    {
        const test::Unprivileged guard; // root could write in any folder
        EXPECT_EQ(takeMemoTextFile("07122026.rem"), "new");
    }
    chmod(".", 0755);
    EXPECT_EQ(test::fileContent("07122026.rem"), "new");
}

TEST(ReminderFile, OnlyAReadableRegularFileIsWaiting)
{
    const test::TemporaryFolder folder;
    ASSERT_TRUE(folder.isValid());
    // Searchable by everyone, so an unprivileged reader meets only the entry's own mode.
    ASSERT_EQ(chmod(folder.path().c_str(), 0755), 0);
    const auto path = [&](const char* name) { return folder.filePath(name); };
    const auto link = [](const std::string& target, const std::string& name) {
        std::error_code error;
        std::filesystem::create_symlink(target, name, error);
        return !error;
    };
    test::writeFile(path("text.rem"), "Dentist at 9");
    test::writeFile(path("empty.rem"), "");
    test::writeFile(path("locked.rem"), "Dentist at 9");
    ASSERT_EQ(chmod(path("locked.rem").c_str(), 0), 0);
    ASSERT_TRUE(std::filesystem::create_directory(path("folder.rem")));
    ASSERT_EQ(mkfifo(path("pipe.rem").c_str(), 0644), 0);
    ASSERT_TRUE(link(path("text.rem"), path("link.rem")));
    ASSERT_TRUE(link(path("gone.rem"), path("dangling.rem")));

    struct Case {
        const char* name;
        bool waiting;
    } cases[] = {
        {"text.rem", true},    {"empty.rem", true}, {"link.rem", true},      {"locked.rem", false},
        {"folder.rem", false}, {"pipe.rem", false}, {"dangling.rem", false}, {"gone.rem", false},
    };
    const test::Unprivileged guard; // root could read anything
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isReadableRegularFile(path(c.name)), c.waiting);
    }
    EXPECT_FALSE(isReadableRegularFile(""));
}

TEST(ReminderFile, ANamedPipeIsRefusedAtOnceWhileItsWriterHoldsOn)
{
    const test::TemporaryFolder folder;
    ASSERT_TRUE(folder.isValid());
    const std::string pipe = folder.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // A writer that never closes: a reader that opened the pipe would wait on it (and the
    // test would hang), after taking what the writer had written.
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "xxxx", 4), 4);
    EXPECT_EQ(errorOf([&] { readMemoTextFile(pipe, 100); }), "Cannot open file " + pipe);
    char left[8];
    EXPECT_EQ(::read(writer, left, sizeof left), 4) << "the pipe was read";
    ::close(writer);
}

} // namespace
} // namespace pocketrix
