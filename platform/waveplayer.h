#pragma once

#include <cstdint>
#include <functional>
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
    // Takes the sound file and checks that it can be played on an output here. Raises
    // WaveError with the platform's text, or "Unknown error code" where it has none. A
    // player may finish the check after returning; a failure found then goes to the
    // late-failure handler, which must not close the player. The check only tells: play
    // tries the output all the same.
    virtual void open(const std::string& fileName) = 0;
    void setLateFailureHandler(std::function<void(const std::string& text)> handler)
    {
        m_lateFailure = std::move(handler);
    }
    // Starts playback from the current position to the end and returns at once; a
    // sound that is still playing goes on. False when nothing could be played.
    virtual bool play() = 0;
    virtual std::uint64_t position() = 0;
    virtual std::uint64_t length() = 0;
    // Stops a playback in progress and goes back to the start. False on failure.
    virtual bool seekToStart() = 0;
    virtual void close() = 0;

protected:
    void lateFailure(const std::string& text)
    {
        if (m_lateFailure)
            m_lateFailure(text);
    }

private:
    std::function<void(const std::string&)> m_lateFailure;
};

// The program that runs checkSound in a process of its own, where it is installed beside
// the running program; empty when there is none.
std::string findSoundCheckProgram();

// SDL audio as the wave device. An open SDL device is a running audio stream, silence
// included, so a device is open only while a sound plays. SDL, with the sound servers and
// codecs it brings, is loaded at the first sound, and its audio stops a few seconds after
// the last one. Every play tries the output afresh: a failed check at open only tells.
//
//   state    holds                           moves
//   Closed   nothing                         open: Idle
//   Idle     the file's name (and its sound  play: SDL's audio started and the sound read,
//            once read)                        then as from Ready; a failure stays Idle
//   Ready    SDL's audio                     play: Playing; 3 s later: Idle
//   Playing  an output, the sound queued     drained or seekToStart: Ready
//   any                                      close: Closed
class SdlWavePlayer final : public WavePlayer {
public:
    // With a check program, open checks the sound in that program and returns at once,
    // so the sound libraries never load until a sound plays; without, it checks here.
    explicit SdlWavePlayer(std::string checkProgram = {});
    ~SdlWavePlayer() override;

    void open(const std::string& fileName) override;
    bool play() override;
    std::uint64_t position() override;
    // 0 until the sound is first played: it is read then.
    std::uint64_t length() override;
    bool seekToStart() override;
    void close() override;

    bool streaming() const;  // Playing
    bool holdsAudio() const; // Ready or Playing
    bool checking() const;   // the check that open started still runs

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace pocketrix
