#pragma once
// A wave device that records what the player asks of it.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/waveplayer.h"

namespace pocketrix::test {

class FakeWavePlayer final : public WavePlayer {
public:
    std::string openFailure;    // when set, open raises it
    bool finishesAtOnce = true; // a sound shorter than a tick
    bool playRefused = false;   // the output went away after the open
    std::uint64_t soundLength = 6000;
    std::uint64_t at = 0;
    std::vector<std::string> calls;

    void open(const std::string& fileName) override
    {
        calls.push_back("open " + fileName);
        if (!openFailure.empty())
            throw WaveError(openFailure);
        at = 0;
    }
    bool play() override
    {
        calls.emplace_back("play");
        if (playRefused)
            return false;
        if (finishesAtOnce)
            at = soundLength;
        return true;
    }
    std::uint64_t position() override { return at; }
    std::uint64_t length() override { return soundLength; }
    bool seekToStart() override
    {
        calls.emplace_back("seek");
        at = 0;
        return true;
    }
    void close() override { calls.emplace_back("close"); }

    long count(const std::string& call) const { return std::count(calls.begin(), calls.end(), call); }
};

} // namespace pocketrix::test
