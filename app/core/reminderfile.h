#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/core/clockstate.h"

namespace pocketrix {

// The most a memo holds, in bytes of 8-bit text with CR LF line breaks. Reading a longer
// text raises "Text exceeds memo capacity" before the rest of the file is read.
inline constexpr std::size_t kMemoCapacity = std::size_t{1024} * 1024;

// The reminder file of a date: two-digit day, two-digit month, the year, ".rem"
// (07122026.rem), without a directory part.
std::string reminderFileName(int year, int month, int day);

// Records the start-up date and its reminder file name in the clock state.
void recordStartDate(ClockState& state, int year, int month, int day);

// A memo's text (lines split by LF, CR LF or a lone CR) as file bytes: CR LF between
// lines and nothing after the last, so an empty text gives no bytes at all.
std::string encodeMemoText(std::string_view text);

// A memo's text as its editor holds it, in UTF-8 with U+2029 between paragraphs (Enter)
// and U+2028 within one (Shift+Enter), as file bytes: CR LF for each of those two and
// every other character byte for byte.
std::string encodeEditorText(std::string_view text);

// Turns file bytes, fed in pieces of any size, into a memo's text: CR LF stays, a lone
// CR or LF becomes CR LF, and a NUL byte ends the text.
class MemoTextDecoder {
public:
    explicit MemoTextDecoder(std::size_t capacity = kMemoCapacity) : m_capacity(capacity) {}

    // Raises "Text exceeds memo capacity" as soon as the text grows beyond the capacity.
    void feed(std::string_view bytes);
    // True once a NUL has ended the text; further bytes are ignored.
    bool ended() const { return m_ended; }
    std::string finish();

private:
    void append(std::string_view piece);

    std::string m_text;
    std::size_t m_capacity;
    bool m_pendingCarriageReturn = false;
    bool m_ended = false;
};

std::string decodeMemoText(std::string_view bytes, std::size_t capacity = kMemoCapacity);

// Whether the name is a regular file (or a link to one) that this process may read:
// only such a file is a reminder waiting to be shown. A folder or a named pipe is not.
bool isReadableRegularFile(const std::string& fileName);

// Reads a text file (a reminder, a help text) as a memo shows it, with CR LF line
// breaks. Raises "Cannot open file %s" with the name when it cannot be opened or read,
// and "Text exceeds memo capacity" when its text is longer than capacity bytes.
std::string readMemoTextFile(const std::string& fileName, std::size_t capacity = kMemoCapacity);

// Reads a reminder file as readMemoTextFile does and deletes it, taking it for this process
// alone first: renamed to a private name in its folder, so a reminder saved under its name
// meanwhile is neither read nor deleted here. After a failed read the file gets its name
// back, unless a new reminder has that name by then. A file in a folder that refuses the
// rename is read where it is and stays.
std::string takeMemoTextFile(const std::string& fileName);

// A memo's text as a text box shows it: UTF-8 with LF line breaks. Valid UTF-8, the
// encoding Qt reads 8-bit text in on Linux, stays as it is; any other text is read one
// character per byte as Windows-1252, so that no byte is lost to a replacement character.
std::string shownText(std::string_view memoText);

} // namespace pocketrix
