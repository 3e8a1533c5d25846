// The help reader's picture loading: any bytes in a file named .bmp, and any file name.
// A picture that loads gives the image its size; anything else raises one of the
// loader's errors and leaves the image as it was. The loader never allocates more than
// the reader's limit, whatever size a header claims.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>

#include "app/core/errors.h"
#include "app/core/helptext.h"
#include "tests/doubles/plain.h"
#include "tests/fuzz/fuzzinput.h"
#include "tests/fuzz/fuzzsupport.h"
#include "windows/fronthlp.h"

namespace {

using namespace pocketrix;
using fuzz::check;
using fuzz::InFolder;
using fuzz::writeAll;

QTemporaryDir* folder = nullptr;

std::string lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The extension rule: what follows the last dot of the last path element, in lower case.
void checkExtension(const std::string& name, const std::string& extension)
{
    check(extension == lower(extension), "the extension in lower case");
    check(extension.find_first_of("./\\") == std::string::npos, "the extension is one name part");
    const std::size_t slash = name.find_last_of("/\\");
    const std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    const std::size_t dot = last.rfind('.');
    if (dot == std::string::npos)
        check(extension.empty(), "no dot, no extension");
    else
        check(lower(last.substr(dot + 1)) == extension, "the extension ends the name");
}

// A bitmap file with a header from the input's fields and the rest as its pixels.
std::string builtBitmap(fuzz::Input& input)
{
    static const std::uint16_t depths[] = {0, 1, 2, 4, 8, 16, 24, 32, 64};
    test::BitmapFields fields;
    fields.width = input.integer();
    fields.height = input.integer();
    fields.depth = depths[input.byte() % std::size(depths)];
    fields.compression = input.byte() % 8;
    fields.coloursUsed = static_cast<std::uint32_t>(input.integer()) % 300;
    const std::uint8_t layout = input.byte(); // bit 0: an offset from the input
    const auto chosenOffset = static_cast<std::uint32_t>(input.integer());
    const std::string pixels = input.rest();
    if ((layout & 1) != 0)
        fields.pixelOffset = chosenOffset;
    fields.imageSize = static_cast<std::uint32_t>(pixels.size());
    for (std::uint32_t i = 0; i < fields.coloursUsed; ++i)
        for (int byte = 0; byte < 4; ++byte)
            fields.palette += static_cast<char>(((i * 0x010203u) >> (8 * byte)) & 0xff);
    return test::bitmapFile(fields, pixels);
}

// Loads a name into an image that holds a known picture; checks what became of it.
void load(const std::string& name)
{
    QLabel image;
    QImage known(3, 2, QImage::Format_RGB32);
    known.fill(Qt::red);
    image.setPixmap(QPixmap::fromImage(known));
    image.resize(17, 13);
    const qint64 before = image.pixmap().cacheKey();

    const std::string extension = pictureExtension(name);
    checkExtension(name, extension);
    try {
        loadPicture(&image, name);
    } catch (const Error& error) {
        const std::string message = error.what();
        if (std::getenv("POCKETRIX_FUZZ_TRACE") != nullptr)
            std::fprintf(stderr, "raised: %s\n", message.c_str());
        // A message is a C string: a name with a NUL shows up to it.
        const auto cut = [](const std::string& text) { return text.substr(0, text.find('\0')); };
        if (extension != "bmp")
            check(message == cut("Unknown picture file extension (." + extension + ")"), "only bitmaps are read");
        else
            check(message == cut("Cannot open file " + name) || message == "Bitmap image is not valid",
                  "a loader's error");
        check(image.pixmap().cacheKey() == before && image.size() == QSize(17, 13), "a failed load keeps the image");
        return;
    }
    check(extension == "bmp", "only bitmaps load");
    const QPixmap loaded = image.pixmap();
    check(!loaded.isNull() && loaded.cacheKey() != before, "a loaded picture is shown");
    if (std::getenv("POCKETRIX_FUZZ_TRACE") != nullptr)
        std::fprintf(stderr, "loaded %d x %d, depth %d\n", loaded.width(), loaded.height(), loaded.depth());
    // Up to the largest size a widget can have.
    check(image.size() == loaded.size().boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)),
          "the image takes the picture's size");
    const qint64 bytes = qint64(loaded.width()) * loaded.height() * loaded.depth() / 8;
    check(bytes <= qint64(QImageReader::allocationLimit()) * 1024 * 1024, "no picture beyond the reader's limit");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.gui.imageio.warning=false"); // one line per refused picture
    static QApplication application(*argc, *argv);
    folder = new QTemporaryDir;
    check(folder->isValid(), "scratch folder");
    const InFolder in(folder->path());
    // Names that exist, for the file-name half: a picture, a text, a folder.
    std::ifstream blank(POCKETRIX_SOURCE_DIR "/frontend/blank.bmp", std::ios::binary);
    writeAll("blank.bmp", std::string(std::istreambuf_iterator<char>(blank), std::istreambuf_iterator<char>()));
    writeAll("text.bmp", "not a picture\r\n");
    check(QDir().mkdir("folder.bmp"), "folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InFolder in(folder->path());
    fuzz::Input input(data, size);
    const std::uint8_t mode = input.byte();
    if ((mode & 1) != 0) {
        load(input.rest());
        return 0;
    }
    // The bytes as a picture, or a header built from chosen fields over them, under one
    // of the spellings of the extension. The reader's decoder is not instrumented, so the
    // built header lets the fuzzer reach its size and format checks all the same.
    static const char* const names[] = {"picture.bmp", "PICTURE.BMP", "picture.Bmp", "folder.bmp/../picture.bmp"};
    const std::string name = names[(mode >> 2) % 4];
    writeAll("picture.bmp", (mode & 2) != 0 ? builtBitmap(input) : input.rest());
    load(name);
    return 0;
}
