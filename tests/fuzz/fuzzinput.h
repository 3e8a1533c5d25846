#pragma once
// Splits a fuzzer's bytes into the values a target needs.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace pocketrix::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_at >= m_size; }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int integer()
    {
        std::int32_t value = 0;
        const std::size_t n = m_size - m_at < sizeof value ? m_size - m_at : sizeof value;
        std::memcpy(&value, m_data + m_at, n);
        m_at += n;
        return value;
    }
    // A text of up to 255 bytes: a length byte, then the bytes.
    std::string text()
    {
        if (m_at >= m_size)
            return {};
        std::size_t length = m_data[m_at++];
        if (length > m_size - m_at)
            length = m_size - m_at;
        std::string value(reinterpret_cast<const char*>(m_data + m_at), length);
        m_at += length;
        return value;
    }
    std::string rest()
    {
        std::string value(reinterpret_cast<const char*>(m_data + m_at), m_size - m_at);
        m_at = m_size;
        return value;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

} // namespace pocketrix::fuzz
