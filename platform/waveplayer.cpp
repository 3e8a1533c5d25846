#include "platform/waveplayer.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "platform/helperprocess.h"
#include "platform/sdlaudio.h"

namespace pocketrix {

namespace {

constexpr const char* kCheckProgram = "pocketrix-soundcheck";
// A check that takes longer has hung, on a sound server that does not answer.
constexpr std::chrono::seconds kCheckLimit{5};
// Small device buffers keep the beep close to its tick.
constexpr Uint16 kDeviceBufferFrames = 1024;
// How often a playing device is looked at to find that its sound has drained.
constexpr int kDrainPollMs = 40;
// Device buffers of silence queued after the sound, so that the sound has left SDL's
// queue for the output before the queue runs dry and the device is closed.
constexpr int kTrailingBuffers = 2;
// How long SDL's audio runs on after a sound: longer than the alarm's second between sounds.
constexpr int kReleaseAfterMs = 3000;

enum class Stage { Closed, Idle, Ready, Playing };

} // namespace

std::string findSoundCheckProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const char* folder : {"/", "/../libexec/pocketrix/"}) {
        const QFileInfo program(here + QLatin1String(folder) + QLatin1String(kCheckProgram));
        if (program.isFile() && program.isExecutable())
            return program.absoluteFilePath().toStdString();
    }
    return {};
}

struct SdlWavePlayer::State {
    std::string checkProgram;
    std::unique_ptr<HelperProcess> check;
    std::string fileName;
    Stage stage = Stage::Closed;
    QTimer timer; // Playing: looks for the drain; Ready: lets the audio go

    std::unique_ptr<SdlAudio> audio; // in Ready and Playing
    WaveSound sound;                 // read at the first sound
    Uint32 frameBytes = 1;
    std::uint64_t positionFrames = 0;

    SDL_AudioDeviceID device = 0; // in Playing, which starts from positionFrames
    Uint32 queuedSound = 0;       // bytes of the sound in the device's queue
    Uint32 queuedTotal = 0;       // the sound and the trailing silence

    std::uint64_t lengthFrames() const { return sound.samples.size() / frameBytes; }

    std::uint64_t playedFrames() const
    {
        const Uint32 left = audio->api().SDL_GetQueuedAudioSize(device);
        const Uint32 consumed = queuedTotal - std::min(left, queuedTotal);
        return positionFrames + std::min(consumed, queuedSound) / frameBytes;
    }

    void enter(Stage next)
    {
        if (stage == Stage::Playing && next != Stage::Playing)
            audio->api().SDL_CloseAudioDevice(std::exchange(device, 0));
        if (next == Stage::Idle || next == Stage::Closed)
            audio.reset();
        stage = next;
        timer.stop();
        if (next == Stage::Playing || next == Stage::Ready) {
            timer.setSingleShot(next == Stage::Ready);
            timer.start(next == Stage::Ready ? kReleaseAfterMs : kDrainPollMs);
        }
    }

    void timeout()
    {
        if (stage == Stage::Ready) {
            enter(Stage::Idle);
        } else if (stage == Stage::Playing && audio->api().SDL_GetQueuedAudioSize(device) == 0) {
            positionFrames = lengthFrames();
            enter(Stage::Ready);
        }
    }

    // What Ready holds, from Idle: SDL's audio started and the sound read.
    bool wake()
    {
        std::string failure;
        audio = SdlAudio::start(failure);
        if (audio == nullptr)
            return false;
        if (sound.samples.empty()) {
            if (!audio->loadWave(fileName, sound).empty()) {
                audio.reset();
                return false;
            }
            sound.format.samples = kDeviceBufferFrames;
            frameBytes = std::max<Uint32>(1, SDL_AUDIO_BITSIZE(sound.format.format) / 8 * sound.format.channels);
            sound.samples.resize(sound.samples.size() - sound.samples.size() % frameBytes);
        }
        return true;
    }

    // Playing from Ready, the sound queued from the current position on.
    bool startDevice()
    {
        const SdlFunctions& sdl = audio->api();
        SDL_AudioSpec obtained{};
        device = sdl.SDL_OpenAudioDevice(nullptr, 0, &sound.format, &obtained, 0);
        if (device == 0) {
            sdl.SDL_ClearError();
            return false;
        }
        const Uint32 offset = static_cast<Uint32>(positionFrames) * frameBytes;
        const auto soundBytes = static_cast<Uint32>(sound.samples.size()) - offset;
        const std::vector<Uint8> silence(static_cast<std::size_t>(obtained.samples) * frameBytes * kTrailingBuffers,
                                         obtained.silence);
        stage = Stage::Playing; // the device is closed by leaving it
        if (sdl.SDL_QueueAudio(device, sound.samples.data() + offset, soundBytes) != 0 ||
            sdl.SDL_QueueAudio(device, silence.data(), static_cast<Uint32>(silence.size())) != 0) {
            sdl.SDL_ClearError();
            enter(Stage::Ready);
            return false;
        }
        queuedSound = soundBytes;
        queuedTotal = soundBytes + static_cast<Uint32>(silence.size());
        sdl.SDL_PauseAudioDevice(device, 0);
        enter(Stage::Playing);
        return true;
    }
};

SdlWavePlayer::SdlWavePlayer(std::string checkProgram) : m(std::make_unique<State>())
{
    m->checkProgram = std::move(checkProgram);
    m->timer.callOnTimeout([this] { m->timeout(); });
}

SdlWavePlayer::~SdlWavePlayer() { close(); }

void SdlWavePlayer::open(const std::string& fileName)
{
    close();
    m->fileName = fileName;
    m->enter(Stage::Idle);
    if (m->checkProgram.empty()) {
        if (const std::string failure = checkSound(fileName); !failure.empty())
            throw WaveError(failure);
        return;
    }
    m->check = std::make_unique<HelperProcess>();
    m->check->start(m->checkProgram, fileName, kCheckLimit,
                    [this](HelperProcess::Outcome outcome, const std::string& firstLine) {
                        std::string failure;
                        if (outcome == HelperProcess::Outcome::NotStarted)
                            failure = checkSound(m->fileName); // without its program the check runs here
                        else if (outcome == HelperProcess::Outcome::Failed)
                            failure = firstLine.empty() ? "Unknown error code" : firstLine;
                        if (!failure.empty())
                            lateFailure(failure);
                    });
}

bool SdlWavePlayer::play()
{
    if (m->stage == Stage::Playing)
        return true; // it goes on from where it is
    if (m->stage == Stage::Closed || (m->stage == Stage::Idle && !m->wake()))
        return false;
    m->enter(Stage::Ready); // a fresh 3 s from this sound
    if (m->positionFrames >= m->lengthFrames())
        return true; // at the end there is nothing left to play
    return m->startDevice();
}

std::uint64_t SdlWavePlayer::position() { return m->stage == Stage::Playing ? m->playedFrames() : m->positionFrames; }

std::uint64_t SdlWavePlayer::length() { return m->lengthFrames(); }

bool SdlWavePlayer::seekToStart()
{
    if (m->stage == Stage::Closed)
        return false;
    if (m->stage == Stage::Playing)
        m->enter(Stage::Ready);
    m->positionFrames = 0;
    return true;
}

void SdlWavePlayer::close()
{
    m->check.reset(); // a check still running is ended, and tells nothing
    m->enter(Stage::Closed);
    m->sound = {};
    m->positionFrames = 0;
}

bool SdlWavePlayer::streaming() const { return m->stage == Stage::Playing; }

bool SdlWavePlayer::holdsAudio() const { return m->audio != nullptr; }

bool SdlWavePlayer::checking() const { return m->check != nullptr && m->check->running(); }

} // namespace pocketrix
