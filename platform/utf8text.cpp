#include "platform/utf8text.h"

#include <algorithm>

namespace pocketrix {

std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xF4)
        length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string_view rest = text.substr(at + 1, length - 1);
    const bool whole =
        rest.size() == length - 1 && std::ranges::all_of(rest, [](unsigned char c) { return (c & 0xC0) == 0x80; });
    return whole ? length : 1;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        ++count;
    return count;
}

} // namespace pocketrix
