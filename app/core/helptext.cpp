#include "app/core/helptext.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/core/errors.h"

namespace pocketrix {

std::string normaliseLineBreaks(std::string_view bytes)
{
    const std::size_t end = bytes.find('\0');
    if (end != std::string_view::npos)
        bytes = bytes.substr(0, end);
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            text += "\r\n";
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    return text;
}

std::string readHelpText(const std::string& path, std::size_t capacity)
{
    const auto cannotOpen = [&] { return Error(withArgument("Cannot open file %s", path)); };
    std::error_code code;
    if (std::filesystem::is_directory(path, code))
        throw cannotOpen();
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw cannotOpen();

    // One byte beyond the capacity tells an over-long file without reading all of it.
    std::string bytes(capacity + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file.get());
        if (n == 0)
            break;
        got += n;
    }
    if (std::ferror(file.get()) != 0)
        throw cannotOpen();
    bytes.resize(got);
    const bool endsEarly = bytes.find('\0') != std::string::npos;
    if (got > capacity && !endsEarly)
        throw Error("Text exceeds memo capacity");
    std::string text = normaliseLineBreaks(bytes);
    if (text.size() > capacity)
        throw Error("Text exceeds memo capacity");
    return text;
}

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

int displayedLineCount(const std::vector<int>& linesPerParagraph, bool lastParagraphEmpty)
{
    int lines = 0;
    for (int count : linesPerParagraph)
        lines += count;
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
