#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pocketrix {

// The longest prefix of text that fits in capacity bytes without splitting a UTF-8
// character: the program's 8-bit text is the locale's, and that is UTF-8 today.
std::string_view fittingPrefix(std::string_view text, std::size_t capacity);

// A text field of fixed capacity: a longer value keeps its first characters and drops
// the rest without error.
template <std::size_t Capacity> class FixedText {
public:
    static constexpr std::size_t capacity = Capacity;

    FixedText() = default;
    FixedText(std::string_view text) { assign(text); } // NOLINT(google-explicit-constructor)

    FixedText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    void assign(std::string_view text) { m_text = fittingPrefix(text, Capacity); }

    const std::string& str() const { return m_text; }
    operator std::string_view() const { return m_text; } // NOLINT(google-explicit-constructor)
    bool empty() const { return m_text.empty(); }
    std::size_t size() const { return m_text.size(); }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.m_text == b.m_text; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.m_text == b; }

private:
    std::string m_text;
};

} // namespace pocketrix
