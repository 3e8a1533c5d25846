#include "platform/sdlaudio.h"

#include <dlfcn.h>

#include "platform/regularfile.h"

namespace pocketrix {

namespace {

// SDL is loaded only for a sound or its check, never at program start: its audio
// back-ends bring some fifty libraries (sound servers, codecs) that a program kept open
// all day should not carry before its alarm first rings.
constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";
// A wave file larger than this is no alarm sound.
constexpr std::size_t kLargestSound = 64U << 20U;
// The output check's buffer is short because closing waits for the device to finish a
// buffer or two.
constexpr Uint16 kProbeBufferFrames = 64;

// SDL's functions once all of them were found; null until then.
const SdlFunctions* loadedSdl(std::string& failure)
{
    static const SdlFunctions* loaded = nullptr;
    static SdlFunctions functions{};
    if (loaded != nullptr)
        return loaded;
    void* handle = dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* text = dlerror();
        failure = std::string("Cannot load the sound library ") + (text != nullptr ? text : kSdlLibrary);
        return nullptr;
    }
#define POCKETRIX_SDL_RESOLVE(name)                                                                                    \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                        \
    if (functions.name == nullptr) {                                                                                   \
        failure = std::string("Cannot find ") + #name + " in the sound library " + kSdlLibrary;                        \
        dlclose(handle);                                                                                               \
        return nullptr;                                                                                                \
    }
    POCKETRIX_SDL_FUNCTIONS(POCKETRIX_SDL_RESOLVE)
#undef POCKETRIX_SDL_RESOLVE
    loaded = &functions;
    return loaded;
}

// SDL's text for its last failure, or "Unknown error code"; clears it.
std::string errorText(const SdlFunctions& api)
{
    const char* text = api.SDL_GetError();
    std::string result = text != nullptr ? text : "";
    api.SDL_ClearError();
    return result.empty() ? std::string("Unknown error code") : result;
}

} // namespace

std::unique_ptr<SdlAudio> SdlAudio::start(std::string& failure)
{
    const SdlFunctions* api = loadedSdl(failure);
    if (api == nullptr)
        return nullptr;
    // SDL would otherwise catch SIGINT and SIGTERM for an event loop we never read.
    api->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (api->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failure = errorText(*api);
        return nullptr;
    }
    return std::unique_ptr<SdlAudio>(new SdlAudio(*api));
}

SdlAudio::~SdlAudio() { m_api.SDL_QuitSubSystem(SDL_INIT_AUDIO); }

std::string SdlAudio::loadWave(const std::string& fileName, WaveSound& sound) const
{
    // Read here rather than by SDL, which would wait on a named pipe.
    const std::optional<std::string> bytes = readRegularFile(fileName, kLargestSound);
    if (!bytes)
        return "Cannot open file " + fileName;
    Uint8* samples = nullptr;
    Uint32 count = 0;
    SDL_RWops* source = m_api.SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
    if (m_api.SDL_LoadWAV_RW(source, 1, &sound.format, &samples, &count) == nullptr)
        return errorText(m_api);
    sound.samples.assign(samples, samples + count);
    m_api.SDL_FreeWAV(samples);
    return {};
}

std::string checkSound(const std::string& fileName)
{
    std::string failure;
    const std::unique_ptr<SdlAudio> audio = SdlAudio::start(failure);
    if (audio == nullptr)
        return failure;
    WaveSound sound;
    if (failure = audio->loadWave(fileName, sound); !failure.empty())
        return failure;
    SDL_AudioSpec probeFormat = sound.format;
    probeFormat.samples = kProbeBufferFrames;
    const SDL_AudioDeviceID probe = audio->api().SDL_OpenAudioDevice(nullptr, 0, &probeFormat, nullptr, 0);
    if (probe == 0)
        return errorText(audio->api());
    audio->api().SDL_CloseAudioDevice(probe);
    return {};
}

} // namespace pocketrix
