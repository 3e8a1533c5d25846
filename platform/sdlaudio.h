#pragma once
// SDL audio, loaded on demand and stopped when no player needs it. Qt-free, so that the
// sound check program links nothing else.

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

// Loads SDL, once, and starts its audio for one more user; the audio is one per process
// and stops when its last user lets go. The failure's text, empty when it is held.
std::string acquireSdl();
void releaseSdl();
// SDL's functions; only to be called while it is held.
const SdlFunctions& sdl();
// SDL's text for its last failure, or "Unknown error code"; clears it.
std::string sdlErrorText();

struct WaveSound {
    std::vector<Uint8> samples;
    SDL_AudioSpec format{};
};
// Reads a wave file through SDL, which must be held. The failure's text, empty on success.
std::string loadWave(const std::string& fileName, WaveSound& sound);

// Whether a wave file can be played here: loads SDL and the file and opens an output
// for it, as a playback would, then lets go of the output and the audio. Empty when it can, else the
// platform's text.
std::string checkSound(const std::string& fileName);

} // namespace pocketrix
