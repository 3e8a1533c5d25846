#pragma once
// SDL audio, loaded on demand. Qt-free, so that the sound check program links nothing else.

#include <memory>
#include <string>
#include <vector>

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace pocketrix {

#define POCKETRIX_SDL_FUNCTIONS(X)                                                                                     \
    X(SDL_SetHint)                                                                                                     \
    X(SDL_InitSubSystem)                                                                                               \
    X(SDL_QuitSubSystem)                                                                                               \
    X(SDL_GetError)                                                                                                    \
    X(SDL_ClearError)                                                                                                  \
    X(SDL_RWFromConstMem)                                                                                              \
    X(SDL_LoadWAV_RW)                                                                                                  \
    X(SDL_FreeWAV)                                                                                                     \
    X(SDL_OpenAudioDevice)                                                                                             \
    X(SDL_CloseAudioDevice)                                                                                            \
    X(SDL_QueueAudio)                                                                                                  \
    X(SDL_GetQueuedAudioSize)                                                                                          \
    X(SDL_PauseAudioDevice)

struct SdlFunctions {
#define POCKETRIX_SDL_MEMBER(name) decltype(&::name) name; // NOLINT(bugprone-macro-parentheses): a member name
    POCKETRIX_SDL_FUNCTIONS(POCKETRIX_SDL_MEMBER)
#undef POCKETRIX_SDL_MEMBER
};

struct WaveSound {
    std::vector<Uint8> samples;
    SDL_AudioSpec format{};
};

// SDL's audio, running while one of these lives; SDL counts its users itself. The only
// way to reach SDL's functions, so none is called before SDL is loaded. SDL itself stays
// loaded once it has been: some of the sound libraries it brings cannot be unloaded.
class SdlAudio {
public:
    // Started audio, or null with the platform's text for the failure.
    static std::unique_ptr<SdlAudio> start(std::string& failure);
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    const SdlFunctions& api() const { return m_api; }
    // Reads a wave file. The failure's text, empty on success.
    std::string loadWave(const std::string& fileName, WaveSound& sound) const;

private:
    explicit SdlAudio(const SdlFunctions& api) : m_api(api) {}
    const SdlFunctions& m_api;
};

// Whether a wave file can be played here: starts SDL's audio, reads the file and opens an
// output for it, as a playback would, then lets go of both. Empty when it can, else the
// platform's text.
std::string checkSound(const std::string& fileName);

} // namespace pocketrix
