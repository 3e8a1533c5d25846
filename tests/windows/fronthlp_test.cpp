#include <map>
#include <memory>
#include <optional>
#include <string>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "app/core/reminderfile.h"
#include "app/shell/errorrule.h"
#include "tests/doubles/doubles.h"
#include "windows/fronthlp.h"

namespace pocketrix {
namespace {

// Known files under the names of the help data: pictures of known sizes, texts of
// known line counts.
const std::map<QString, QString> kKnownFiles = {
    {"blank.bmp", "blank.bmp"},   // 10 x 6
    {"pktxtite.bmp", "tall.bmp"}, // 20 x 50
    {"pktxhlp1.bmp", "wide.bmp"}, // 40 x 30, and so on for every page picture
    {"pktxhlp2.bmp", "wide.bmp"},      {"pktxhlp3.bmp", "wide.bmp"},
    {"pktxhlp4.bmp", "wide24.bmp"},    {"pktxhlp5.bmp", "wide.bmp"},
    {"pktxhlp6.bmp", "wide.bmp"},      {"pktxhlp7.bmp", "wide.bmp"},
    {"pktxhlp8.bmp", "wide.bmp"},      {"pktxtxt1.txt", "three-lines.txt"}, // ends with a line break
    {"pktxtxt2.txt", "ten-lines.txt"}, {"pktxtxt9.txt", "one-line.txt"},
    {"pktxtxt0.txt", "long-line.txt"}, // one line that wraps once
    {"pktxtxt3.txt", "ten-lines.txt"}, {"pktxtxt4.txt", "mixed-breaks.txt"},
    {"pktxtxt5.txt", "one-line.txt"},  {"pktxtxt6.txt", "three-lines.txt"},
    {"pktxtxt7.txt", "one-line.txt"},  {"pktxtxt8.txt", "ten-lines.txt"},
};

// A bitmap header that claims a picture of several gigabytes, with no pixels after it.
QByteArray absurdBitmap() { return QByteArray::fromStdString(test::bitmapFile({.width = 60000, .height = 60000}, {})); }

class HelpReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir("frontend"));
        for (const auto& [name, source] : kKnownFiles)
            install(name, source);
        m_here.emplace(m_dir.path().toStdString());
        ASSERT_TRUE(m_here->entered());
    }
    void TearDown() override { m_here.reset(); }

    void install(const QString& name, const QString& source)
    {
        const QString target = m_dir.filePath("frontend/" + name);
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETRIX_TEST_DATA "/help/") + source, target)) << source.toStdString();
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        test::writeBytes(m_dir.filePath("frontend/" + name), bytes);
    }
    void remove(const QString& name) { ASSERT_TRUE(QFile::remove(m_dir.filePath("frontend/" + name))); }

    THelpful& reader()
    {
        if (!m_reader)
            m_reader = std::make_unique<THelpful>(m_errors, m_deferred);
        return *m_reader;
    }
    // The reader at start-up: it reads its Introduction once the main window is up.
    void startUp()
    {
        reader();
        m_deferred.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_deferred.started(); }));
    }
    template <class T> T* child(const char* name) { return reader().findChild<T*>(QString::fromLatin1(name)); }
    QTextEdit* memo(int n) { return child<QTextEdit>(n == 1 ? "Memo1" : n == 2 ? "Memo2" : "Memo3"); }
    QLabel* image(int n) { return child<QLabel>(n == 1 ? "Image1" : "Image2"); }
    void press(int button)
    {
        QTest::mouseClick(child<QPushButton>(("Button" + std::to_string(button)).c_str()), Qt::LeftButton);
    }
    // The tops and heights that the stacking sets.
    std::vector<int> layout()
    {
        return {memo(1)->height(), image(1)->y(), memo(2)->y(),     memo(2)->height(),
                image(2)->y(),     memo(3)->y(),  memo(3)->height()};
    }

    QTemporaryDir m_dir;
    std::optional<test::InFolder> m_here;
    test::RecordedErrors m_errors;
    DeferredStart m_deferred{m_errors};
    std::unique_ptr<THelpful> m_reader;
};

TEST_F(HelpReader, EveryTopicStacksItsElementsWithoutGaps)
{
    struct Case {
        int button;
        const char* heading;
        QSize image1, image2;
        int memo1Height, image1Top, memo2Top, memo2Height, image2Top, memo3Top, memo3Height;
    } cases[] = {
        // No heading: the title picture at the very top; three lines with a final break.
        {1, "", {20, 50}, {40, 30}, 0, 0, 50, 54, 104, 134, 210},
        // No first picture: blank under the heading; the long line counts twice, 21 px each.
        {2, "Programs", {10, 6}, {40, 30}, 18, 18, 24, 18, 42, 72, 42},
        // No second picture or text: blank under the ten lines, Memo3 empty and flat.
        {3, "System", {40, 30}, {10, 6}, 18, 18, 48, 180, 228, 234, 0},
        // CR, CR LF and LF breaks alike: four lines.
        {4, "Calendar", {40, 30}, {40, 30}, 18, 18, 48, 72, 120, 150, 21},
        {5, "World Time", {40, 30}, {10, 6}, 18, 18, 48, 54, 102, 108, 0},
        {6, "Alarm Clock", {40, 30}, {40, 30}, 18, 18, 48, 18, 66, 96, 210},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        press(c.button);
        EXPECT_TRUE(m_errors.messages().isEmpty()) << m_errors.messages().join(' ').toStdString();
        EXPECT_EQ(memo(1)->toPlainText(), QString::fromLatin1(c.heading));
        EXPECT_EQ(image(1)->size(), c.image1);
        EXPECT_EQ(image(2)->size(), c.image2);
        EXPECT_EQ(image(1)->x(), 16);
        EXPECT_EQ(image(2)->x(), 8);
        EXPECT_EQ(layout(), (std::vector<int>{c.memo1Height, c.image1Top, c.memo2Top, c.memo2Height, c.image2Top,
                                              c.memo3Top, c.memo3Height}));
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(memo(n)->x(), 0);
            EXPECT_EQ(memo(n)->width(), 609);
        }
        // The scrolling range reaches the lowest element.
        const int lowest = std::max(c.memo3Top + c.memo3Height, c.image2Top + c.image2.height());
        EXPECT_EQ(child<QWidget>("ScrollBox1Content")->size(), QSize(609, lowest));
    }
}

// Start-up reads the Introduction, so its errors come then; its texts are laid out when
// the window first shows.
TEST_F(HelpReader, StartUpLoadsTheIntroduction)
{
    startUp();
    EXPECT_EQ(image(1)->size(), QSize(20, 50));
    EXPECT_TRUE(memo(2)->toPlainText().isEmpty());
    reader().show();
    EXPECT_EQ(memo(2)->toPlainText(), "First line\nSecond line\nThird line\n");
    EXPECT_EQ(layout(), (std::vector<int>{0, 0, 50, 54, 104, 134, 210}));
    EXPECT_EQ(memo(3)->toPlainText().count('\n'), 9);
    EXPECT_EQ(image(1)->size(), QSize(20, 50));
    EXPECT_TRUE(m_errors.messages().isEmpty());
    EXPECT_EQ(reader().windowTitle(), "Help Reader");
}

// A failure while reading the Introduction is told at start-up, with what was read before
// it in place, and nothing more is laid out later.
TEST_F(HelpReader, AnIntroductionFileMissingIsToldAtStartUp)
{
    remove("pktxtxt2.txt");
    startUp();
    EXPECT_EQ(m_errors.messages(), QStringList{"Cannot open file frontend/pktxtxt2.txt."});
    EXPECT_EQ(memo(2)->toPlainText(), "First line\nSecond line\nThird line\n");
    const std::vector<int> before = layout();
    reader().show();
    EXPECT_EQ(layout(), before);
    EXPECT_EQ(m_errors.messages().size(), 1);
}

TEST_F(HelpReader, TextsAreReadInTheLocaleCharacterSet)
{
    install("pktxtxt9.txt", "utf8.txt");
    press(2);
    EXPECT_EQ(memo(2)->toPlainText(), QString::fromUtf8("Größe: 10 °C, naïve café"));
}

TEST_F(HelpReader, AFailingFileStopsTheTopicWhereItFailed)
{
    struct Case {
        const char* what;
        int button;
        QString file;
        QByteArray bytes; // empty: the file is removed
        QString message;
        QString heading;
        QSize image1, image2;
        bool memo2Loaded;
        bool namedPipe = false; // in place of the file, with no writer: an open would wait
    } cases[] = {
        {"missing first text",
         4,
         "pktxtxt4.txt",
         {},
         "Cannot open file frontend/pktxtxt4.txt.",
         "Calendar",
         {40, 30},
         {10, 6},
         false},
        {"first picture not a bitmap",
         5,
         "pktxhlp5.bmp",
         "text, not a bitmap",
         "Bitmap image is not valid.",
         "World Time",
         {10, 6},
         {10, 6},
         false},
        {"truncated bitmap",
         3,
         "pktxhlp2.bmp",
         QByteArray("BM\x36\x00\x00\x00", 6),
         "Bitmap image is not valid.",
         "System",
         {10, 6},
         {10, 6},
         false},
        {"bitmap claiming 60000 x 60000 pixels",
         3,
         "pktxhlp2.bmp",
         absurdBitmap(),
         "Bitmap image is not valid.",
         "System",
         {10, 6},
         {10, 6},
         false},
        {"missing second picture",
         6,
         "pktxhlp7.bmp",
         {},
         "Cannot open file frontend/pktxhlp7.bmp.",
         "Alarm Clock",
         {40, 30},
         {10, 6},
         true},
        {"first text a named pipe",
         3,
         "pktxtxt3.txt",
         {},
         "Cannot open file frontend/pktxtxt3.txt.",
         "System",
         {40, 30},
         {10, 6},
         false,
         true},
        {"second picture a named pipe",
         4,
         "pktxhlp4.bmp",
         {},
         "Cannot open file frontend/pktxhlp4.bmp.",
         "Calendar",
         {40, 30},
         {10, 6},
         true,
         true},
        {"second text over capacity",
         2,
         "pktxtxt0.txt",
         QByteArray(static_cast<qsizetype>(kMemoCapacity) + 1, 'x'),
         "Text exceeds memo capacity.",
         "Programs",
         {10, 6},
         {40, 30},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [name, source] : kKnownFiles)
            install(name, source);
        press(1);
        const std::vector<int> introduction = layout();
        if (c.bytes.isEmpty())
            remove(c.file);
        if (c.namedPipe) {
            ASSERT_EQ(mkfifo(m_dir.filePath("frontend/" + c.file).toLocal8Bit().constData(), 0600), 0);
        }
        if (!c.bytes.isEmpty())
            writeFile(c.file, c.bytes);
        m_errors.clear();

        press(c.button);
        EXPECT_EQ(m_errors.messages(), QStringList{c.message});
        EXPECT_EQ(memo(1)->toPlainText(), c.heading);
        EXPECT_EQ(image(1)->size(), c.image1);
        EXPECT_EQ(image(2)->size(), c.image2);
        EXPECT_EQ(memo(2)->toPlainText().isEmpty(), !c.memo2Loaded);
        EXPECT_TRUE(memo(3)->toPlainText().isEmpty());
        // No stacking ran: the places are those of the topic before.
        EXPECT_EQ(layout(), introduction);
    }
}

TEST_F(HelpReader, AMissingBlankPictureLeavesTheOldPictures)
{
    startUp();
    remove("blank.bmp");
    press(2);
    EXPECT_EQ(m_errors.messages(), QStringList{"Cannot open file frontend/blank.bmp."});
    EXPECT_TRUE(memo(1)->toPlainText().isEmpty());
    EXPECT_TRUE(memo(2)->toPlainText().isEmpty());
    EXPECT_TRUE(memo(3)->toPlainText().isEmpty());
    EXPECT_EQ(image(1)->size(), QSize(20, 50)); // the title picture of the Introduction
    EXPECT_EQ(image(2)->size(), QSize(40, 30));
}

// A picture that came in before the failure stays where the last stacking put its image;
// the whole of it can still be scrolled to.
TEST_F(HelpReader, APictureShownBeforeAFailureCanBeScrolledToItsEnd)
{
    // A grey picture of 700 x 600, written byte by byte: Qt's image writer would load the
    // image plugins, which the program's start is checked to do without.
    const QByteArray large =
        QByteArray::fromStdString(test::bitmapFile({.width = 700, .height = 600}, std::string(700 * 600 * 3, '\x40')));
    press(2); // Programs: a short page, 114 pixels
    writeFile("pktxhlp2.bmp", large);
    ASSERT_EQ(test::fileBytes(m_dir.filePath("frontend/pktxhlp2.bmp")), large);
    remove("pktxtxt3.txt");
    auto* scroll = child<QScrollArea>("ScrollBox1");
    reader().show();

    press(3);
    EXPECT_EQ(m_errors.messages(), QStringList{"Cannot open file frontend/pktxtxt3.txt."});
    EXPECT_EQ(image(1)->geometry(), QRect(16, 18, 700, 600)); // at the top Programs gave it
    EXPECT_EQ(child<QWidget>("ScrollBox1Content")->size(), QSize(716, 618));
    // Both scroll bars reach the far edges of the picture.
    const auto reaches = [scroll] {
        const QSize visible = scroll->viewport()->size();
        return scroll->verticalScrollBar()->maximum() == 618 - visible.height() &&
               scroll->horizontalScrollBar()->maximum() == 716 - visible.width();
    };
    EXPECT_TRUE(QTest::qWaitFor(reaches))
        << scroll->verticalScrollBar()->maximum() << " " << scroll->horizontalScrollBar()->maximum();
}

// Below and beside a short topic the box is as white as behind its elements.
TEST_F(HelpReader, TheScrollBoxIsWhiteOverItsWholeArea)
{
    press(2);
    auto* scroll = child<QScrollArea>("ScrollBox1");
    reader().show();
    QCoreApplication::processEvents();
    QWidget* viewport = scroll->viewport();
    const QRect content = child<QWidget>("ScrollBox1Content")->geometry();
    ASSERT_LT(content.height(), viewport->height()) << "the topic must leave space below it";
    ASSERT_LT(content.width(), viewport->width()) << "and beside it";
    const QImage picture = scroll->grab(viewport->geometry()).toImage();
    int grey = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!content.contains(x, y) && picture.pixelColor(x, y) != QColor(255, 255, 255))
                ++grey;
    EXPECT_EQ(grey, 0) << "of " << picture.width() * picture.height() << " pixels, "
                       << qPrintable(picture.pixelColor(viewport->width() - 2, viewport->height() - 2).name());
}

TEST_F(HelpReader, AMissingIntroductionGivesOneMessageAtStartUp)
{
    remove("pktxhlp1.bmp");
    startUp();
    EXPECT_EQ(m_errors.messages(), QStringList{"Cannot open file frontend/pktxhlp1.bmp."});
    EXPECT_EQ(memo(2)->toPlainText().count('\n'), 3); // loaded before the failing picture
    EXPECT_EQ(image(1)->size(), QSize(20, 50));
}

TEST_F(HelpReader, PicturesAreChosenByTheirExtension)
{
    struct Case {
        const char* path;
        const char* error;
    } cases[] = {
        {"frontend/picture.PNG", "Unknown picture file extension (.png)"},
        {"frontend/picture", "Unknown picture file extension (.)"},
        {"frontend/missing.png", "Unknown picture file extension (.png)"},
        {"frontend/missing.bmp", "Cannot open file frontend/missing.bmp"},
        {"frontend", "Unknown picture file extension (.)"},
    };
    QLabel image;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            loadPicture(&image, c.path);
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
    }
    install("WIDE.BMP", "wide.bmp");
    loadPicture(&image, "frontend/WIDE.BMP");
    EXPECT_EQ(image.size(), QSize(40, 30));
}

TEST_F(HelpReader, PressingATopicAgainReadsItsFilesAgainFromTheTop)
{
    QByteArray thirtyLines;
    for (int line = 0; line < 30; ++line)
        thirtyLines += "A line\r\n";
    writeFile("pktxtxt3.txt", thirtyLines);
    press(3);
    EXPECT_EQ(memo(2)->height(), 540);
    auto* scroll = child<QScrollArea>("ScrollBox1");
    reader().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return scroll->verticalScrollBar()->maximum() > 0; }));
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    install("pktxtxt3.txt", "three-lines.txt");
    install("pktxhlp2.bmp", "tall.bmp");

    press(3);
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0);
    EXPECT_EQ(memo(2)->height(), 54);
    EXPECT_EQ(image(1)->size(), QSize(20, 50));
}

TEST_F(HelpReader, WindowIsResizableAndItsControlsKeepTheirPlaces)
{
    THelpful& window = reader();
    EXPECT_EQ(window.size(), QSize(634, 423));
    EXPECT_NE(window.minimumSize(), window.maximumSize());
    const QRect scrollBox = child<QWidget>("ScrollBox1")->geometry();
    const QRect button6 = child<QWidget>("Button6")->geometry();
    EXPECT_EQ(scrollBox, QRect(4, 4, 629, 385));
    EXPECT_EQ(button6, QRect(519, 396, 101, 17));
    window.show();
    window.resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(child<QWidget>("ScrollBox1")->geometry(), scrollBox);
    EXPECT_EQ(child<QWidget>("Button6")->geometry(), button6);
    // The memos are read-only but take the focus, so their text can be selected.
    EXPECT_TRUE(memo(2)->isReadOnly());
    EXPECT_EQ(memo(2)->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(memo(2)->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

} // namespace
} // namespace pocketrix
