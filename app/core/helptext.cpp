#include "app/core/helptext.h"

#include <cctype>
#include <numeric>

namespace pocketrix {

std::string pictureExtension(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string extension(name.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

bool bitmapHoldsItsPixels(std::string_view head, std::uint64_t fileSize)
{
    if (head.size() < 26 || head.substr(0, 2) != "BM")
        return true;
    const std::uint64_t pixelsAt = littleEndian(head, 10, 4);
    const std::uint32_t infoSize = littleEndian(head, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {
        width = littleEndian(head, 18, 2);
        height = littleEndian(head, 20, 2);
        bitsPerPixel = littleEndian(head, 24, 2);
    } else if (infoSize >= 40 && head.size() >= 34) {
        width = static_cast<std::int32_t>(littleEndian(head, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(head, 22, 4));
        bitsPerPixel = littleEndian(head, 28, 2);
        compression = littleEndian(head, 30, 4);
    } else {
        return true;
    }
    constexpr std::uint32_t kUncompressed = 0;
    constexpr std::uint32_t kBitFields = 3;
    if ((compression != kUncompressed && compression != kBitFields) || width <= 0 || height == 0 || bitsPerPixel == 0 ||
        bitsPerPixel > 32)
        return true;
    const auto rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    const std::uint64_t rowBits = static_cast<std::uint64_t>(width) * bitsPerPixel;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row may come without its padding.
    const std::uint64_t needed = pixelsAt + stride * (rows - 1) + (rowBits + 7) / 8;
    return needed <= fileSize;
}

int displayedLineCount(const std::vector<int>& linesPerParagraph, bool lastParagraphEmpty)
{
    int lines = std::accumulate(linesPerParagraph.begin(), linesPerParagraph.end(), 0);
    if (lastParagraphEmpty && !linesPerParagraph.empty())
        lines -= linesPerParagraph.back();
    return lines;
}

HelpPageStack stackHelpPage(const HelpPageInput& page)
{
    HelpPageStack stack;
    stack.headingHeight = page.headingLines * page.headingLineHeight;
    stack.firstPictureTop = stack.headingHeight;
    stack.firstTextTop = stack.firstPictureTop + page.firstPictureHeight;
    stack.firstTextHeight = page.firstTextLines * page.firstTextLineHeight;
    stack.secondPictureTop = stack.firstTextTop + stack.firstTextHeight;
    stack.secondTextTop = stack.secondPictureTop + page.secondPictureHeight;
    stack.secondTextHeight = page.secondTextLines * page.secondTextLineHeight;
    return stack;
}

} // namespace pocketrix
