#include "app/core/reminderfile.h"

#include <array>
#include <optional>
#include <utility>

#include "app/core/errors.h"
#include "app/core/timetext.h"
#include "platform/regularfile.h"

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

std::string readMemoTextFile(const std::string& fileName, std::size_t capacity)
{
    std::optional<RegularFile> file = RegularFile::open(fileName);
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

} // namespace pocketrix
