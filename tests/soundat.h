#pragma once
// The real SDL player, opening the file the test names instead of the installed sound.

#include <string>

#include "platform/waveplayer.h"

namespace pocketrix::test {

class SoundAt final : public WavePlayer {
public:
    // With a check program the sound is checked in a process of its own, as the program does.
    explicit SoundAt(std::string path, std::string checkProgram = {})
        : m_path(std::move(path)), m_real(std::move(checkProgram))
    {
        m_real.setLateFailureHandler([this](const std::string& text) { lateFailure(text); });
    }
    void open(const std::string&) override { m_real.open(m_path); }
    bool play() override { return m_real.play(); }
    std::uint64_t position() override { return m_real.position(); }
    std::uint64_t length() override { return m_real.length(); }
    bool seekToStart() override { return m_real.seekToStart(); }
    void close() override { m_real.close(); }
    bool streaming() { return m_real.streaming(); }

private:
    std::string m_path;
    SdlWavePlayer m_real;
};

} // namespace pocketrix::test
