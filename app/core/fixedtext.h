#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/utf8text.h"

namespace pocketrix {

// Capacities count characters, not bytes: the program's 8-bit text is the locale's, and
// that is UTF-8 today, where one character takes one to four bytes.

// The first `capacity` characters of text, or all of it when it has fewer.
std::string_view fittingPrefix(std::string_view text, std::size_t capacity);

// A text field of fixed capacity in characters: a longer value keeps its first
// characters and drops the rest without error.
template <std::size_t Capacity> class FixedText {
public:
    FixedText& operator=(std::string_view text)
    {
        m_text = fittingPrefix(text, Capacity);
        return *this;
    }

    const std::string& str() const { return m_text; }
    operator std::string_view() const { return m_text; } // NOLINT(google-explicit-constructor)

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.m_text == b.m_text; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.m_text == b; }

private:
    std::string m_text;
};

} // namespace pocketrix
