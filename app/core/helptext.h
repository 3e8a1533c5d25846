#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pocketrix {

// The extension of a picture file name in lower case, without its dot; empty when the
// name has none.
std::string pictureExtension(std::string_view path);

// Whether a bitmap file of fileSize bytes, starting with head, holds every row of pixels
// its header claims. A cut-off file would otherwise decode as a picture padded with
// filler, at the memory its header asks for. Compressed pixels and headers it does not
// know are left to the decoder.
bool bitmapHoldsItsPixels(std::string_view head, std::uint64_t fileSize);

// Lines a memo displays after word wrap: the lines of each paragraph, not counting a
// last paragraph that is empty (the one after a final line break, or an empty memo).
int displayedLineCount(const std::vector<int>& linesPerParagraph, bool lastParagraphEmpty);

// The five elements of a help page, stacked top to bottom without gaps.
struct HelpPageInput {
    int headingLines = 0; // Memo1
    int firstPictureHeight = 0;
    int firstTextLines = 0; // Memo2
    int secondPictureHeight = 0;
    int secondTextLines = 0; // Memo3
    int headingLineHeight = 18;
    int firstTextLineHeight = 18;
    int secondTextLineHeight = 21;
};

struct HelpPageStack {
    int headingHeight = 0;
    int firstPictureTop = 0;
    int firstTextTop = 0;
    int firstTextHeight = 0;
    int secondPictureTop = 0;
    int secondTextTop = 0;
    int secondTextHeight = 0;
};

HelpPageStack stackHelpPage(const HelpPageInput& page);

// Pixels per memo line: the character height plus the memo's spacing.
inline constexpr int kHeadingLineExtra = 2;
inline constexpr int kFirstTextLineExtra = 2;
inline constexpr int kSecondTextLineExtra = 5;
inline int memoLineHeight(int characterHeight, int extra) { return characterHeight + extra; }

} // namespace pocketrix
