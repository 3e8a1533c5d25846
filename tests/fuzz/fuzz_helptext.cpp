// Any bytes as one of the help texts, loaded by pressing its topic's button in the help
// reader: the memo shows the text as decoded, and the stacking puts every element right
// under the one above it, each memo as tall as its lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include "app/core/errors.h"
#include "app/core/helptext.h"
#include "app/core/reminderfile.h"
#include "app/shell/errorrule.h"
#include "tests/fuzz/fuzzsupport.h"
#include "windows/fronthlp.h"

namespace {

using namespace pocketrix;
using fuzz::check;
using fuzz::InFolder;
using fuzz::writeAll;

struct TextPlace {
    void (THelpful::*button)(QObject*);
    const char* file;
    bool second; // Memo3 rather than Memo2
};

constexpr TextPlace kPlaces[] = {
    {&THelpful::Button1Click, "frontend/pktxtxt1.txt", false},
    {&THelpful::Button1Click, "frontend/pktxtxt2.txt", true},
    {&THelpful::Button2Click, "frontend/pktxtxt9.txt", false},
    {&THelpful::Button2Click, "frontend/pktxtxt0.txt", true},
    {&THelpful::Button3Click, "frontend/pktxtxt3.txt", false},
    {&THelpful::Button4Click, "frontend/pktxtxt4.txt", false},
    {&THelpful::Button4Click, "frontend/pktxtxt5.txt", true},
    {&THelpful::Button5Click, "frontend/pktxtxt6.txt", false},
    {&THelpful::Button6Click, "frontend/pktxtxt7.txt", false},
    {&THelpful::Button6Click, "frontend/pktxtxt8.txt", true},
};

struct Reader {
    QTemporaryDir dir;
    std::map<std::string, std::string> originals;
    ErrorRule errors{[](const QString& message) {
        std::fprintf(stderr, "help reader error: %s\n", qPrintable(message));
        std::abort();
    }};
    DeferredStart deferred{errors};
    std::unique_ptr<THelpful> window;
};
Reader* reader = nullptr;

std::string readAll(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// What a memo's plain text gives back for a text put in: the document keeps paragraph
// and line separators as line breaks and a no-break space as a space.
QString asShown(QString text)
{
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xfdd0) || c == QChar(0xfdd1))
            c = u'\n';
        else if (c == QChar::Nbsp)
            c = u' ';
    }
    return text;
}

int pixels(QTextEdit* memo, int extra) { return memoLineHeight(QFontInfo(memo->font()).pixelSize(), extra); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    reader = new Reader;
    check(reader->dir.isValid() && QDir(reader->dir.path()).mkdir("frontend"), "scratch folder");
    const QDir source(QStringLiteral(POCKETRIX_SOURCE_DIR "/frontend"));
    for (const QString& name : source.entryList(QDir::Files))
        check(QFile::copy(source.filePath(name), reader->dir.filePath("frontend/" + name)), "help data copied");
    const InFolder in(reader->dir.path());
    for (const TextPlace& place : kPlaces)
        reader->originals[place.file] = readAll(place.file);
    reader->window = std::make_unique<THelpful>(reader->errors, reader->deferred);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const InFolder in(reader->dir.path());
    const TextPlace& place = kPlaces[data[0] % std::size(kPlaces)];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    writeAll(place.file, bytes);

    THelpful& window = *reader->window;
    try {
        (window.*place.button)(&window);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "raised: %s\n", error.what());
        check(false, "a help text within the capacity loads");
    }

    const auto memo = [&window](const char* name) { return window.findChild<QTextEdit*>(QLatin1String(name)); };
    const auto image = [&window](const char* name) { return window.findChild<QLabel*>(QLatin1String(name)); };
    QTextEdit* shown = memo(place.second ? "Memo3" : "Memo2");
    const QString expected = QString::fromStdString(shownText(decodeMemoText(bytes)));
    check(shown->toPlainText() == asShown(expected), "the memo shows the text");

    const int lines = THelpful::displayedLines(shown);
    check(lines >= shown->document()->blockCount() - 1, "every paragraph but an empty last one has a line");
    check(shown->height() == lines * pixels(shown, place.second ? kSecondTextLineExtra : kFirstTextLineExtra),
          "a memo is as tall as its lines");

    QWidget* stack[] = {memo("Memo1"), image("Image1"), memo("Memo2"), image("Image2"), memo("Memo3")};
    check(stack[0]->y() == 0, "the heading at the top");
    int bottom = 0;
    int right = 0;
    for (std::size_t i = 0; i < std::size(stack); ++i) {
        check(stack[i]->height() >= 0, "no negative height");
        if (i > 0)
            check(stack[i]->y() == stack[i - 1]->y() + stack[i - 1]->height(), "each element right under the last");
        bottom = std::max(bottom, stack[i]->y() + stack[i]->height());
        right = std::max(right, stack[i]->x() + stack[i]->width());
    }
    const QWidget* content = window.findChild<QWidget*>(QStringLiteral("ScrollBox1Content"));
    check(content->height() == bottom && content->width() == right, "the scrolling range reaches every element");

    writeAll(place.file, reader->originals[place.file]);
    return 0;
}
