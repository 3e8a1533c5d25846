#pragma once

#include <cstddef>
#include <string_view>

namespace pocketrix {

// Counting the characters of UTF-8 text, which the locale's texts and the program's own
// 8-bit texts are. A byte that starts no complete, well-formed UTF-8 sequence counts as a
// character of its own.

// The number of bytes of the character that starts at byte `at` of text.
std::size_t characterLength(std::string_view text, std::size_t at);
std::size_t characterCount(std::string_view text);
// Whether every byte from 0x80 on belongs to a well-formed UTF-8 sequence.
bool isValidUtf8(std::string_view text);

} // namespace pocketrix
