#include "platform/sdlaudio.h"

#include <dlfcn.h>

namespace pocketrix {

namespace {

// SDL is loaded only for a sound or its check, never at program start: its audio
// back-ends bring some fifty libraries (sound servers, codecs) that a program kept open
// all day should not carry before its alarm first rings. Once loaded it stays, as some
// of those libraries cannot be unloaded, and one of them would leave memory behind.
constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";
// The output check's buffer is short because closing waits for the device to finish a
// buffer or two.
constexpr Uint16 kProbeBufferFrames = 64;

struct SdlLibrary {
    void* handle = nullptr;
    int users = 0; // of its audio, which runs while there are any
    SdlFunctions functions;
};

SdlLibrary& library()
{
    static SdlLibrary loaded;
    return loaded;
}

// Loads SDL once; the failure's text, empty when it is there.
std::string loadSdl()
{
    SdlLibrary& sdlLibrary = library();
    if (sdlLibrary.handle != nullptr)
        return {};
    void* handle = dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* text = dlerror();
        return std::string("Cannot load the sound library ") + (text != nullptr ? text : kSdlLibrary);
    }
    SdlFunctions functions;
    std::string failure;
#define POCKETRIX_SDL_RESOLVE(name)                                                                                    \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                        \
    if (functions.name == nullptr && failure.empty())                                                                  \
        failure = std::string("Cannot find ") + #name + " in the sound library " + kSdlLibrary;
    POCKETRIX_SDL_FUNCTIONS(POCKETRIX_SDL_RESOLVE)
#undef POCKETRIX_SDL_RESOLVE
    if (!failure.empty()) {
        dlclose(handle);
        return failure;
    }
    sdlLibrary.handle = handle;
    sdlLibrary.functions = functions;
    return {};
}

// Holds SDL's audio for the lifetime of one check.
class HeldSdl {
public:
    HeldSdl() : failure(acquireSdl()) {}
    ~HeldSdl()
    {
        if (failure.empty())
            releaseSdl();
    }
    HeldSdl(const HeldSdl&) = delete;
    HeldSdl& operator=(const HeldSdl&) = delete;
    const std::string failure;
};

} // namespace

const SdlFunctions& sdl() { return library().functions; }

std::string sdlErrorText()
{
    const char* text = sdl().SDL_GetError();
    std::string result = text != nullptr ? text : "";
    sdl().SDL_ClearError();
    return result.empty() ? std::string("Unknown error code") : result;
}

std::string acquireSdl()
{
    SdlLibrary& sdlLibrary = library();
    if (sdlLibrary.users > 0) {
        ++sdlLibrary.users;
        return {};
    }
    if (std::string failure = loadSdl(); !failure.empty())
        return failure;
    // SDL would otherwise catch SIGINT and SIGTERM for an event loop we never read, and a
    // logout or `kill` would no longer end the program.
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return sdlErrorText();
    sdlLibrary.users = 1;
    return {};
}

void releaseSdl()
{
    SdlLibrary& sdlLibrary = library();
    if (sdlLibrary.users == 0 || --sdlLibrary.users > 0)
        return;
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::string loadWave(const std::string& fileName, WaveSound& sound)
{
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (sdl().SDL_LoadWAV_RW(sdl().SDL_RWFromFile(fileName.c_str(), "rb"), 1, &sound.format, &samples, &bytes) ==
        nullptr)
        return sdlErrorText();
    sound.samples.assign(samples, samples + bytes);
    sdl().SDL_FreeWAV(samples);
    return {};
}

std::string checkSound(const std::string& fileName)
{
    const HeldSdl held;
    if (!held.failure.empty())
        return held.failure;
    WaveSound sound;
    if (std::string failure = loadWave(fileName, sound); !failure.empty())
        return failure;
    SDL_AudioSpec probeFormat = sound.format;
    probeFormat.samples = kProbeBufferFrames;
    const SDL_AudioDeviceID probe = sdl().SDL_OpenAudioDevice(nullptr, 0, &probeFormat, nullptr, 0);
    if (probe == 0)
        return sdlErrorText();
    sdl().SDL_CloseAudioDevice(probe);
    return {};
}

} // namespace pocketrix
