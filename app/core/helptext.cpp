#include "app/core/helptext.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/core/errors.h"

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
