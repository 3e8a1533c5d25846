#include "windows/fronthlp.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

#include "app/core/errors.h"
#include "app/core/helptext.h"
#include "app/core/reminderfile.h"
#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "platform/regularfile.h"
#include "ui_fronthlp.h"

namespace pocketrix {

namespace {

constexpr HelpTopic kTopics[] = {
    {"Introduction", nullptr, "frontend/pktxtite.bmp", "frontend/pktxtxt1.txt", "frontend/pktxhlp1.bmp",
     "frontend/pktxtxt2.txt"},
    {"Programs", "Programs", nullptr, "frontend/pktxtxt9.txt", "frontend/pktxhlp8.bmp", "frontend/pktxtxt0.txt"},
    {"System", "System", "frontend/pktxhlp2.bmp", "frontend/pktxtxt3.txt", nullptr, nullptr},
    {"Calendar", "Calendar", "frontend/pktxhlp3.bmp", "frontend/pktxtxt4.txt", "frontend/pktxhlp4.bmp",
     "frontend/pktxtxt5.txt"},
    {"World Time", "World Time", "frontend/pktxhlp5.bmp", "frontend/pktxtxt6.txt", nullptr, nullptr},
    {"Alarm Clock", "Alarm Clock", "frontend/pktxhlp6.bmp", "frontend/pktxtxt7.txt", "frontend/pktxhlp7.bmp",
     "frontend/pktxtxt8.txt"},
};

int lineHeight(QTextEdit* memo, int extra) { return memoLineHeight(QFontInfo(memo->font()).pixelSize(), extra); }

// Lines are shown at the pitch the stacking reserves for them, whatever the leading of
// the installed font, so no line is cut off at the bottom of its memo.
void showText(QTextEdit* memo, const QString& text)
{
    memo->setPlainText(text);
    // No margin above or below the text, so its height is its lines; a little at the sides.
    QTextDocument* document = memo->document();
    document->setDocumentMargin(0);
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setLeftMargin(2);
    frame.setRightMargin(2);
    document->rootFrame()->setFrameFormat(frame);
    QTextBlockFormat pitch;
    pitch.setLineHeight(lineHeight(memo, kFirstTextLineExtra), QTextBlockFormat::FixedHeight);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(pitch);
}

// A help text file as a memo shows it.
QString readHelpText(const std::string& path) { return QString::fromStdString(shownText(readMemoTextFile(path))); }

} // namespace

void loadPicture(QLabel* image, const std::string& path)
{
    const std::string extension = pictureExtension(path);
    if (extension != "bmp")
        throw Error(withArgument("Unknown picture file extension (.%s)", extension));
    std::optional<RegularFile> opened = RegularFile::open(path);
    QFile file;
    if (!opened || !file.open(opened->release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        throw Error(withArgument("Cannot open file %s", path));
    const QByteArray head = file.peek(64);
    if (!bitmapHoldsItsPixels(std::string_view(head.constData(), static_cast<std::size_t>(head.size())),
                              static_cast<std::uint64_t>(file.size())))
        throw Error("Bitmap image is not valid");
    // Read as the bitmap its name says, without asking every image plugin of Qt first.
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw Error("Bitmap image is not valid");
    image->setPixmap(QPixmap::fromImage(picture));
    image->resize(picture.size());
}

THelpful::THelpful(ErrorRule& errors, DeferredStart& start)
    : ui(std::make_unique<Ui::Helpful>()), m_errors(errors), m_start(start)
{
    ui->setupUi(this);
    errors.bindHandler(ui->Button1, &QPushButton::clicked, this, &THelpful::Button1Click);
    errors.bindHandler(ui->Button2, &QPushButton::clicked, this, &THelpful::Button2Click);
    errors.bindHandler(ui->Button3, &QPushButton::clicked, this, &THelpful::Button3Click);
    errors.bindHandler(ui->Button4, &QPushButton::clicked, this, &THelpful::Button4Click);
    errors.bindHandler(ui->Button5, &QPushButton::clicked, this, &THelpful::Button5Click);
    errors.bindHandler(ui->Button6, &QPushButton::clicked, this, &THelpful::Button6Click);

    finishWindow(this);
    // White over the box's whole visible area, not only as far as the content reaches;
    // the content takes the colour from it.
    QWidget* visible = ui->ScrollBox1->viewport();
    QPalette white = visible->palette();
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    visible->setPalette(white);
    visible->setAutoFillBackground(true);
    for (QTextEdit* memo : {ui->Memo1, ui->Memo2, ui->Memo3})
        memo->document()->setDocumentMargin(0);
    errors.runGuarded([this] { FormCreate(this); });
}

THelpful::~THelpful() = default;

void THelpful::FormCreate(QObject* /*sender*/)
{
    // The Introduction's files are read as soon as the main window is up, so that a
    // missing or damaged one is told at start-up without holding the main window back;
    // laying out its text, in fonts nothing else uses, waits until the window first shows.
    m_start.whenStarted([this] {
        if (!m_topicChosen)
            m_pendingIntroduction = readTopic(kTopics[0]);
    });
}

void THelpful::showEvent(QShowEvent* event)
{
    if (m_pendingIntroduction) {
        const TopicTexts read = *std::exchange(m_pendingIntroduction, std::nullopt);
        m_errors.runGuarded([&] { showTopic(read, true); });
    }
    QWidget::showEvent(event);
}

void THelpful::Button1Click(QObject* /*sender*/) { loadTopic(kTopics[0]); }
void THelpful::Button2Click(QObject* /*sender*/) { loadTopic(kTopics[1]); }
void THelpful::Button3Click(QObject* /*sender*/) { loadTopic(kTopics[2]); }
void THelpful::Button4Click(QObject* /*sender*/) { loadTopic(kTopics[3]); }
void THelpful::Button5Click(QObject* /*sender*/) { loadTopic(kTopics[4]); }
void THelpful::Button6Click(QObject* /*sender*/) { loadTopic(kTopics[5]); }

void THelpful::loadTopic(const HelpTopic& topic)
{
    m_topicChosen = true;
    m_pendingIntroduction.reset();
    showTopic(readTopic(topic), true);
}

// Reads in the order the page shows its elements and stops at the first failure, with
// what was read before it shown; the pictures go into place as they are read.
THelpful::TopicTexts THelpful::readTopic(const HelpTopic& topic)
{
    TopicTexts read;
    try {
        ChangeFile(this);
        ui->ScrollBox1->setAccessibleName(QString::fromLatin1(topic.name));
        if (topic.heading != nullptr)
            read.heading = QString::fromLatin1(topic.heading);
        if (topic.firstPicture != nullptr)
            loadPicture(ui->Image1, topic.firstPicture);
        read.first = readHelpText(topic.firstText);
        if (topic.secondPicture != nullptr)
            loadPicture(ui->Image2, topic.secondPicture);
        if (topic.secondText != nullptr)
            read.second = readHelpText(topic.secondText);
    } catch (...) {
        showTopic(read, false);
        throw;
    }
    return read;
}

// What was read goes into the memos; the page is stacked only when the whole topic was
// read. A picture that came in before a failure keeps the place the last stacking gave
// its image, so the scrolling range must still grow to reach all of it.
void THelpful::showTopic(const TopicTexts& read, bool complete)
{
    if (read.heading)
        showText(ui->Memo1, *read.heading);
    if (read.first)
        showText(ui->Memo2, *read.first);
    if (read.second)
        showText(ui->Memo3, *read.second);
    if (complete)
        AdjustSpacing(this);
    else
        fitScrollRange();
}

void THelpful::ChangeFile(QObject* /*sender*/)
{
    for (QTextEdit* memo : {ui->Memo1, ui->Memo2, ui->Memo3})
        memo->clear();
    for (QLabel* image : {ui->Image1, ui->Image2})
        loadPicture(image, "frontend/blank.bmp");
    ui->ScrollBox1->verticalScrollBar()->setValue(0);
}

int THelpful::displayedLines(QTextEdit* memo)
{
    // A hidden memo has not had its resize yet, so the wrap width is set here.
    QTextDocument* document = memo->document();
    document->setTextWidth(memo->contentsRect().width());
    document->size(); // lays out every paragraph
    std::vector<int> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.push_back(block.layout() != nullptr ? std::max(block.layout()->lineCount(), 1) : 1);
    return displayedLineCount(lines, document->lastBlock().text().isEmpty());
}

void THelpful::AdjustSpacing(QObject* /*sender*/)
{
    HelpPageInput page;
    page.headingLines = displayedLines(ui->Memo1);
    page.firstPictureHeight = ui->Image1->height();
    page.firstTextLines = displayedLines(ui->Memo2);
    page.secondPictureHeight = ui->Image2->height();
    page.secondTextLines = displayedLines(ui->Memo3);
    page.headingLineHeight = lineHeight(ui->Memo1, kHeadingLineExtra);
    page.firstTextLineHeight = lineHeight(ui->Memo2, kFirstTextLineExtra);
    page.secondTextLineHeight = lineHeight(ui->Memo3, kSecondTextLineExtra);
    const HelpPageStack stack = stackHelpPage(page);

    ui->Memo1->setGeometry(ui->Memo1->x(), 0, ui->Memo1->width(), stack.headingHeight);
    ui->Image1->move(ui->Image1->x(), stack.firstPictureTop);
    ui->Memo2->setGeometry(ui->Memo2->x(), stack.firstTextTop, ui->Memo2->width(), stack.firstTextHeight);
    ui->Image2->move(ui->Image2->x(), stack.secondPictureTop);
    ui->Memo3->setGeometry(ui->Memo3->x(), stack.secondTextTop, ui->Memo3->width(), stack.secondTextHeight);
    fitScrollRange();
}

// The scrolling range reaches the lowest and the rightmost element, wherever the last
// stacking left them.
void THelpful::fitScrollRange()
{
    int right = 0;
    int bottom = 0;
    const QWidget* elements[] = {ui->Memo1, ui->Image1, ui->Memo2, ui->Image2, ui->Memo3};
    for (const QWidget* element : elements) {
        right = std::max(right, element->x() + element->width());
        bottom = std::max(bottom, element->y() + element->height());
    }
    ui->ScrollBox1Content->resize(right, bottom);
}

} // namespace pocketrix
