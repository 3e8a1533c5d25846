#include "app/core/reminderfile.h"

#include <array>
#include <optional>
#include <utility>

#include "app/core/errors.h"
#include "app/core/timetext.h"
#include "platform/regularfile.h"
#include "platform/utf8text.h"

namespace pocketrix {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

std::string reminderFileName(int year, int month, int day)
{
    std::string name = "0000" + integerText(year) + ".rem";
    twoDigitWrite(name, 1, day);
    twoDigitWrite(name, 3, month);
    return name;
}

void recordStartDate(ClockState& state, int year, int month, int day)
{
    state.DayText = integerText(day);
    state.MonthText = integerText(month);
    state.YearText = integerText(year);
    state.TodayReminderName = reminderFileName(year, month, day);
}

std::string encodeMemoText(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with(kLineBreak))
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            bytes += kLineBreak;
        else
            bytes += text[i];
    }
    return bytes;
}

std::string encodeEditorText(std::string_view text)
{
    constexpr std::string_view kLineSeparator = "\xe2\x80\xa8";
    constexpr std::string_view kParagraphSeparator = "\xe2\x80\xa9";
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator)) {
            lines += '\n';
            i += kLineSeparator.size() - 1;
        } else {
            lines += text[i];
        }
    }
    return encodeMemoText(lines);
}

void MemoTextDecoder::append(std::string_view piece)
{
    if (piece.size() > m_capacity - m_text.size())
        throw Error("Text exceeds memo capacity");
    m_text += piece;
}

void MemoTextDecoder::feed(std::string_view bytes)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size() && !m_ended; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n' && c != '\0') {
            if (std::exchange(m_pendingCarriageReturn, false))
                append(kLineBreak);
            continue;
        }
        append(bytes.substr(start, i - start));
        start = i + 1;
        if (c == '\0') {
            m_ended = true;
        } else if (c == '\n') {
            m_pendingCarriageReturn = false;
            append(kLineBreak);
        } else {
            if (m_pendingCarriageReturn)
                append(kLineBreak);
            // Whether this CR pairs with an LF may only show in the next piece.
            m_pendingCarriageReturn = true;
        }
    }
    if (!m_ended && start < bytes.size())
        append(bytes.substr(start));
}

std::string MemoTextDecoder::finish()
{
    if (std::exchange(m_pendingCarriageReturn, false))
        append(kLineBreak);
    return std::move(m_text);
}

std::string decodeMemoText(std::string_view bytes, std::size_t capacity)
{
    MemoTextDecoder decoder(capacity);
    decoder.feed(bytes);
    return decoder.finish();
}

bool isReadableRegularFile(const std::string& fileName) { return RegularFile::open(fileName).has_value(); }

namespace {

// Messages name the file as the user knows it, whatever name it is read under.
std::string readMemoText(const std::string& path, const std::string& fileName, std::size_t capacity)
{
    std::optional<RegularFile> file = RegularFile::open(path);
    if (!file)
        throw Error(withArgument("Cannot open file %s", fileName));
    MemoTextDecoder decoder(capacity);
    std::array<char, 4096> buffer{};
    while (!decoder.ended()) {
        const long count = file->read(buffer.data(), buffer.size());
        if (count < 0)
            throw Error(withArgument("Cannot open file %s", fileName));
        if (count == 0)
            break;
        decoder.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
    }
    return decoder.finish();
}

// Windows-1252 from 0x80 to 0x9F; its five unassigned bytes stay the C1 controls they are in Latin-1.
constexpr char16_t kWindows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& text, char16_t character)
{
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace

std::string readMemoTextFile(const std::string& fileName, std::size_t capacity)
{
    return readMemoText(fileName, fileName, capacity);
}

std::string takeMemoTextFile(const std::string& fileName)
{
    if (!isReadableRegularFile(fileName))
        throw Error(withArgument("Cannot open file %s", fileName));
    const std::string taken = privateName(fileName);
    if (!renameWithoutReplacing(fileName, taken))
        return readMemoTextFile(fileName);
    try {
        std::string text = readMemoText(taken, fileName, kMemoCapacity);
        // A file that cannot be deleted stays a reminder under its own name, as it was.
        if (!removeFile(taken))
            renameWithoutReplacing(taken, fileName);
        return text;
    } catch (...) {
        renameWithoutReplacing(taken, fileName);
        throw;
    }
}

std::string shownText(std::string_view memoText)
{
    std::string text;
    text.reserve(memoText.size());
    const bool utf8 = isValidUtf8(memoText);
    for (std::size_t i = 0; i < memoText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(memoText[i]);
        if (memoText.substr(i).starts_with(kLineBreak))
            continue; // its LF follows
        if (utf8 || byte < 0x80)
            text += memoText[i];
        else
            appendUtf8(text, byte < 0xA0 ? kWindows1252[byte - 0x80] : char16_t{byte});
    }
    return text;
}

} // namespace pocketrix
