#include "app/core/fixedtext.h"

namespace pocketrix {

std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (text.size() - at < length)
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        ++count;
    return count;
}

std::string_view fittingPrefix(std::string_view text, std::size_t capacity)
{
    std::size_t end = 0;
    for (std::size_t kept = 0; kept < capacity && end < text.size(); ++kept)
        end += characterLength(text, end);
    return text.substr(0, end);
}

} // namespace pocketrix
