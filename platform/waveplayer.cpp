#include "platform/waveplayer.h"

#include <algorithm>
#include <vector>

#include <QTimer>
#include <dlfcn.h>

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace pocketrix {

namespace {

// SDL is loaded when the sound is first opened, not at program start: its audio
// back-ends bring some thirty libraries that would otherwise be mapped and relocated
// before the main window could show.
constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";

#define POCKETRIX_SDL_FUNCTIONS(X)                                                                                     \
    X(SDL_SetHint)                                                                                                     \
    X(SDL_InitSubSystem)                                                                                               \
    X(SDL_QuitSubSystem)                                                                                               \
    X(SDL_GetError)                                                                                                    \
    X(SDL_ClearError)                                                                                                  \
    X(SDL_RWFromFile)                                                                                                  \
    X(SDL_LoadWAV_RW)                                                                                                  \
    X(SDL_FreeWAV)                                                                                                     \
    X(SDL_OpenAudioDevice)                                                                                             \
    X(SDL_CloseAudioDevice)                                                                                            \
    X(SDL_QueueAudio)                                                                                                  \
    X(SDL_GetQueuedAudioSize)                                                                                          \
    X(SDL_PauseAudioDevice)

struct SdlFunctions {
#define POCKETRIX_SDL_MEMBER(name) decltype(&::name) name = nullptr;
    POCKETRIX_SDL_FUNCTIONS(POCKETRIX_SDL_MEMBER)
#undef POCKETRIX_SDL_MEMBER
};

struct SdlLibrary {
    SdlFunctions functions;
    std::string failure; // why it could not be loaded; empty when it was
};

// Loaded once and kept to the end: SDL's threads and handlers live in it.
const SdlLibrary& sdlLibrary()
{
    static const SdlLibrary library = [] {
        SdlLibrary loaded;
        void* handle = dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* text = dlerror();
            loaded.failure = std::string("Cannot load the sound library ") + (text != nullptr ? text : kSdlLibrary);
            return loaded;
        }
#define POCKETRIX_SDL_RESOLVE(name)                                                                                    \
    loaded.functions.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                 \
    if (loaded.functions.name == nullptr && loaded.failure.empty())                                                    \
        loaded.failure = std::string("Cannot find ") + #name + " in the sound library " + kSdlLibrary;
        POCKETRIX_SDL_FUNCTIONS(POCKETRIX_SDL_RESOLVE)
#undef POCKETRIX_SDL_RESOLVE
        return loaded;
    }();
    return library;
}

// Only called once the library loaded; every player shares it.
const SdlFunctions& sdl() { return sdlLibrary().functions; }

std::string sdlErrorText()
{
    const char* text = sdl().SDL_GetError();
    std::string result = text != nullptr ? text : "";
    sdl().SDL_ClearError();
    return result.empty() ? std::string("Unknown error code") : result;
}

// Small device buffers keep the beep close to its tick.
constexpr Uint16 kDeviceBufferFrames = 1024;
constexpr Uint16 kProbeBufferFrames = 64;
// How often an open device is looked at to find that its sound has drained.
constexpr int kDrainPollMs = 40;
// Device buffers of silence queued after the sound, so that the sound has left SDL's
// queue for the output before the queue runs dry and the device is closed.
constexpr int kTrailingBuffers = 2;

} // namespace

struct SdlWavePlayer::State {
    bool audioUp = false;
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    SDL_AudioSpec audioFormat{};
    Uint32 frameBytes = 1;
    std::uint64_t positionFrames = 0;

    SDL_AudioDeviceID device = 0;
    std::uint64_t queueStartFrame = 0;
    Uint32 queuedSound = 0; // bytes of the sound in the current queue
    Uint32 queuedTotal = 0; // the sound and the trailing silence
    QTimer drainTimer;

    std::uint64_t lengthFrames() const { return bytes / frameBytes; }

    std::uint64_t playedFrames() const
    {
        const Uint32 left = sdl().SDL_GetQueuedAudioSize(device);
        const Uint32 consumed = queuedTotal - std::min(left, queuedTotal);
        return queueStartFrame + std::min(consumed, queuedSound) / frameBytes;
    }

    void stopDevice()
    {
        if (device == 0)
            return;
        sdl().SDL_CloseAudioDevice(device);
        device = 0;
        drainTimer.stop();
    }

    // Closes the device once everything queued has been consumed.
    void drain()
    {
        if (device == 0 || sdl().SDL_GetQueuedAudioSize(device) != 0)
            return;
        stopDevice();
        positionFrames = lengthFrames();
    }
};

SdlWavePlayer::SdlWavePlayer() : m(std::make_unique<State>())
{
    m->drainTimer.setInterval(kDrainPollMs);
    m->drainTimer.callOnTimeout([this] { m->drain(); });
}

SdlWavePlayer::~SdlWavePlayer() { close(); }

void SdlWavePlayer::open(const std::string& fileName)
{
    close();
    if (const std::string& failure = sdlLibrary().failure; !failure.empty())
        throw WaveError(failure);
    // SDL would otherwise catch SIGINT and SIGTERM for an event loop we never read, and a
    // logout or `kill` would no longer end the program.
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        throw WaveError(sdlErrorText());
    m->audioUp = true;

    SDL_AudioSpec audioFormat{};
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (sdl().SDL_LoadWAV_RW(sdl().SDL_RWFromFile(fileName.c_str(), "rb"), 1, &audioFormat, &samples, &bytes) ==
        nullptr) {
        const std::string text = sdlErrorText();
        close();
        throw WaveError(text);
    }
    m->samples = samples;
    m->bytes = bytes;
    m->audioFormat = audioFormat;
    m->audioFormat.samples = kDeviceBufferFrames;
    m->frameBytes = std::max<Uint32>(1, SDL_AUDIO_BITSIZE(audioFormat.format) / 8 * audioFormat.channels);
    m->bytes -= m->bytes % m->frameBytes;
    m->positionFrames = 0;

    // The check that the sound can reach an output; the device itself waits for play.
    // Its buffer is short because closing waits for the device to finish a buffer or two,
    // and this check is on the way to the main window.
    SDL_AudioSpec probeFormat = m->audioFormat;
    probeFormat.samples = kProbeBufferFrames;
    const SDL_AudioDeviceID probe = sdl().SDL_OpenAudioDevice(nullptr, 0, &probeFormat, nullptr, 0);
    if (probe == 0) {
        const std::string text = sdlErrorText();
        close();
        throw WaveError(text);
    }
    sdl().SDL_CloseAudioDevice(probe);
}

bool SdlWavePlayer::play()
{
    if (m->samples == nullptr)
        return false;
    m->drain();
    if (m->device != 0)
        return true; // still playing: it goes on from where it is
    if (m->positionFrames >= m->lengthFrames())
        return true; // at the end there is nothing left to play

    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device = sdl().SDL_OpenAudioDevice(nullptr, 0, &m->audioFormat, &obtained, 0);
    if (device == 0) {
        sdl().SDL_ClearError();
        return false;
    }
    const Uint32 offset = static_cast<Uint32>(m->positionFrames) * m->frameBytes;
    const Uint32 sound = m->bytes - offset;
    const std::vector<Uint8> silence(static_cast<std::size_t>(obtained.samples) * m->frameBytes * kTrailingBuffers,
                                     obtained.silence);
    if (sdl().SDL_QueueAudio(device, m->samples + offset, sound) != 0 ||
        sdl().SDL_QueueAudio(device, silence.data(), static_cast<Uint32>(silence.size())) != 0) {
        sdl().SDL_ClearError();
        sdl().SDL_CloseAudioDevice(device);
        return false;
    }
    m->device = device;
    m->queueStartFrame = m->positionFrames;
    m->queuedSound = sound;
    m->queuedTotal = sound + static_cast<Uint32>(silence.size());
    sdl().SDL_PauseAudioDevice(device, 0);
    m->drainTimer.start();
    return true;
}

std::uint64_t SdlWavePlayer::position()
{
    m->drain();
    return m->device != 0 ? m->playedFrames() : m->positionFrames;
}

std::uint64_t SdlWavePlayer::length() { return m->lengthFrames(); }

bool SdlWavePlayer::seekToStart()
{
    if (m->samples == nullptr)
        return false;
    m->stopDevice();
    m->positionFrames = 0;
    return true;
}

void SdlWavePlayer::close()
{
    m->stopDevice();
    if (m->samples != nullptr) {
        sdl().SDL_FreeWAV(m->samples);
        m->samples = nullptr;
        m->bytes = 0;
    }
    m->positionFrames = 0;
    if (m->audioUp) {
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m->audioUp = false;
    }
}

bool SdlWavePlayer::streaming()
{
    m->drain();
    return m->device != 0;
}

} // namespace pocketrix
