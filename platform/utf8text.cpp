#include "platform/utf8text.h"

#include <algorithm>

namespace pocketrix {

std::size_t characterLength(std::string_view text, std::size_t at)
{
    const std::string_view rest = text.substr(at);
    const auto byte = [rest](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(rest[i])); };
    const unsigned lead = byte(0);
    if (lead < 0xC2 || lead > 0xF4)
        return 1;
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // The second byte's range leaves out overlong forms, surrogates and code points past U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (rest.size() < length || byte(1) < low || byte(1) > high)
        return 1;
    const bool whole =
        std::ranges::all_of(rest.substr(2, length - 2), [](unsigned char c) { return (c & 0xC0) == 0x80; });
    return whole ? length : 1;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        ++count;
    return count;
}

bool isValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        if (static_cast<unsigned char>(text[at]) >= 0x80 && characterLength(text, at) == 1)
            return false;
    return true;
}

} // namespace pocketrix
