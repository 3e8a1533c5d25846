#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace pocketrix {

// A failure of the wave-audio device, carrying the platform's text for it.
class WaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The wave-audio device behind a sound player: one sound file, played from a position
// on. Positions and lengths count sample frames of the sound.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Loads the file and checks that an output can play it; returns when done. Raises
    // WaveError with the platform's text, or "Unknown error code" where it has none.
    virtual void open(const std::string& fileName) = 0;
    // Starts playback from the current position to the end and returns at once; a
    // sound that is still playing goes on. False when the request failed.
    virtual bool play() = 0;
    virtual std::uint64_t position() = 0;
    virtual std::uint64_t length() = 0;
    // Stops a playback in progress and goes back to the start. False on failure.
    virtual bool seekToStart() = 0;
    virtual void close() = 0;
};

// SDL audio as the wave device. An open SDL device is a running audio stream, silence
// included, so the device is opened only for a playback and closed as soon as its
// samples have drained; between sounds nothing streams.
class SdlWavePlayer final : public WavePlayer {
public:
    SdlWavePlayer();
    ~SdlWavePlayer() override;
    SdlWavePlayer(const SdlWavePlayer&) = delete;
    SdlWavePlayer& operator=(const SdlWavePlayer&) = delete;

    void open(const std::string& fileName) override;
    bool play() override;
    std::uint64_t position() override;
    std::uint64_t length() override;
    bool seekToStart() override;
    void close() override;

    // True while an audio device is open, that is while a sound plays.
    bool streaming();

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace pocketrix
