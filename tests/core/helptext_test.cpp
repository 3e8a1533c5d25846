#include <string>

#include <gtest/gtest.h>

#include "app/core/helptext.h"
#include "app/core/reminderfile.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

TEST(HelpText, LineBreaksBecomeCrLf)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"CR LF stays", "a\r\nb", "a\r\nb"},
        {"lone LF", "a\nb", "a\r\nb"},
        {"lone CR", "a\rb", "a\r\nb"},
        {"LF CR is two breaks", "a\n\rb", "a\r\n\r\nb"},
        {"trailing break stays", "a\n", "a\r\n"},
        {"CR at the very end", "a\r", "a\r\n"},
        {"zero byte ends the text", std::string("ab\0cd", 5), "ab"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(decodeMemoText(c.bytes), c.text);
    }
}

// Files in a fresh folder of the test's own.
class HelpTextFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir.filePath(name);
        test::writeFile(path, bytes);
        return path;
    }
    static std::string errorOf(const std::string& path, std::size_t capacity)
    {
        return test::errorOf([&] { readMemoTextFile(path, capacity); });
    }
    test::TemporaryFolder m_dir;
};

TEST_F(HelpTextFile, CapacityCountsTheMemoText)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"exactly full", std::string(10, 'x'), "no error"},
        {"one byte over", std::string(11, 'x'), "Text exceeds memo capacity"},
        {"LF breaks grow to CR LF beyond it", "xxxxx\n\n\n", "Text exceeds memo capacity"},
        {"CR LF breaks fit", "xxxx\r\n\r\nx", "no error"},
        {"zero byte ends a long file early", std::string("xx\0", 3) + std::string(100, 'y'), "no error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(write("t.txt", c.bytes), 10), c.error);
    }
}

TEST_F(HelpTextFile, UnreadablePathsCannotBeOpened)
{
    EXPECT_EQ(errorOf("frontend/none.txt", kMemoCapacity), "Cannot open file frontend/none.txt");
    const std::string folder = m_dir.path();
    EXPECT_EQ(errorOf(folder, kMemoCapacity), "Cannot open file " + folder);
    EXPECT_EQ(readMemoTextFile(write("ok.txt", "one\ntwo")), "one\r\ntwo");
}

TEST(HelpText, PictureExtensionIsLowerCaseWithoutDot)
{
    struct Case {
        const char* path;
        const char* extension;
    } cases[] = {
        {"frontend/blank.bmp", "bmp"}, {"frontend/TITLE.BMP", "bmp"}, {"a.b/picture", ""},
        {"frontend/x.Png", "png"},     {"frontend/x.", ""},           {"x.tar.GZ", "gz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(pictureExtension(c.path), c.extension);
    }
}

TEST(HelpText, DisplayedLinesLeaveOutAnEmptyLastParagraph)
{
    EXPECT_EQ(displayedLineCount({1}, true), 0);        // empty memo
    EXPECT_EQ(displayedLineCount({1, 2, 1}, true), 3);  // text ending in a break
    EXPECT_EQ(displayedLineCount({1, 1, 1}, false), 3); // an empty line inside counts
    EXPECT_EQ(displayedLineCount({3}, false), 3);       // one wrapped paragraph
}

TEST(HelpText, StackPutsElementsEdgeToEdge)
{
    HelpPageInput page;
    page.headingLines = 1;
    page.firstPictureHeight = 6;
    page.firstTextLines = 10;
    page.secondPictureHeight = 30;
    page.secondTextLines = 10;
    const HelpPageStack stack = stackHelpPage(page);
    EXPECT_EQ(stack.headingHeight, 18);
    EXPECT_EQ(stack.firstPictureTop, 18);
    EXPECT_EQ(stack.firstTextTop, 24);
    EXPECT_EQ(stack.firstTextHeight, 180);
    EXPECT_EQ(stack.secondPictureTop, 204);
    EXPECT_EQ(stack.secondTextTop, 234);
    EXPECT_EQ(stack.secondTextHeight, 210);
    EXPECT_EQ(memoLineHeight(16, kSecondTextLineExtra), 21);
}

} // namespace
} // namespace pocketrix
