#include "platform/waveplayer.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include "platform/sdlaudio.h"

namespace pocketrix {

namespace {

constexpr const char* kCheckProgram = "pocketrix-soundcheck";
// Small device buffers keep the beep close to its tick.
constexpr Uint16 kDeviceBufferFrames = 1024;
// How often an open device is looked at to find that its sound has drained.
constexpr int kDrainPollMs = 40;
// Device buffers of silence queued after the sound, so that the sound has left SDL's
// queue for the output before the queue runs dry and the device is closed.
constexpr int kTrailingBuffers = 2;
// How long SDL's audio runs on after a sound: longer than the alarm's second between sounds.
constexpr int kReleaseAfterMs = 3000;

} // namespace

std::string findSoundCheckProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {here + QLatin1Char('/') + QLatin1String(kCheckProgram),
                                     here + QLatin1String("/../libexec/pocketrix/") + QLatin1String(kCheckProgram)}) {
        const QFileInfo program(candidate);
        if (program.isFile() && program.isExecutable())
            return program.absoluteFilePath().toStdString();
    }
    return {};
}

struct SdlWavePlayer::State {
    std::string checkProgram;
    std::string fileName;
    bool opened = false; // open succeeded, or its check is still running
    std::unique_ptr<QProcess> check;

    bool holdsAudio = false;
    bool loaded = false; // the sound has been read
    WaveSound sound;
    Uint32 frameBytes = 1;
    std::uint64_t positionFrames = 0;

    SDL_AudioDeviceID device = 0;
    std::uint64_t queueStartFrame = 0;
    Uint32 queuedSound = 0; // bytes of the sound in the current queue
    Uint32 queuedTotal = 0; // the sound and the trailing silence
    QTimer drainTimer;
    QTimer releaseTimer;

    std::uint64_t lengthFrames() const { return sound.samples.size() / frameBytes; }

    std::uint64_t playedFrames() const
    {
        const Uint32 left = sdl().SDL_GetQueuedAudioSize(device);
        const Uint32 consumed = queuedTotal - std::min(left, queuedTotal);
        return queueStartFrame + std::min(consumed, queuedSound) / frameBytes;
    }

    // SDL held and the sound read, for a playback.
    bool wake()
    {
        if (!holdsAudio) {
            if (!acquireSdl().empty())
                return false;
            holdsAudio = true;
        }
        if (!loaded) {
            if (!loadWave(fileName, sound).empty()) {
                releaseTimer.start();
                return false;
            }
            sound.format.samples = kDeviceBufferFrames;
            frameBytes = std::max<Uint32>(1, SDL_AUDIO_BITSIZE(sound.format.format) / 8 * sound.format.channels);
            sound.samples.resize(sound.samples.size() - sound.samples.size() % frameBytes);
            loaded = true;
        }
        return true;
    }

    void release()
    {
        stopDevice();
        releaseTimer.stop();
        if (std::exchange(holdsAudio, false))
            releaseSdl();
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
        releaseTimer.start();
    }
};

SdlWavePlayer::SdlWavePlayer(std::string checkProgram) : m(std::make_unique<State>())
{
    m->checkProgram = std::move(checkProgram);
    m->drainTimer.setInterval(kDrainPollMs);
    m->drainTimer.callOnTimeout([this] { m->drain(); });
    m->releaseTimer.setSingleShot(true);
    m->releaseTimer.setInterval(kReleaseAfterMs);
    m->releaseTimer.callOnTimeout([this] {
        if (m->device == 0)
            m->release();
    });
}

SdlWavePlayer::~SdlWavePlayer() { close(); }

void SdlWavePlayer::open(const std::string& fileName)
{
    close();
    m->fileName = fileName;
    if (m->checkProgram.empty()) {
        if (const std::string failure = checkSound(fileName); !failure.empty())
            throw WaveError(failure);
        m->opened = true;
        return;
    }
    m->opened = true;
    m->check = std::make_unique<QProcess>();
    QProcess& check = *m->check;
    check.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(&check, &QProcess::finished, &check, [this](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && exitCode == 0)
            return;
        std::string text = QString::fromLocal8Bit(m->check->readAllStandardOutput()).trimmed().toStdString();
        m->opened = false;
        lateFailure(text.empty() ? std::string("Unknown error code") : text);
    });
    QObject::connect(&check, &QProcess::errorOccurred, &check, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        // Without its check program the player checks here.
        if (const std::string failure = checkSound(m->fileName); !failure.empty()) {
            m->opened = false;
            lateFailure(failure);
        }
    });
    check.start(QString::fromStdString(m->checkProgram), {QString::fromStdString(fileName)});
}

bool SdlWavePlayer::play()
{
    if (!m->opened)
        return false;
    m->drain();
    if (m->device != 0)
        return true; // still playing: it goes on from where it is
    if (!m->wake())
        return false;
    if (m->positionFrames >= m->lengthFrames())
        return true; // at the end there is nothing left to play

    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device = sdl().SDL_OpenAudioDevice(nullptr, 0, &m->sound.format, &obtained, 0);
    if (device == 0) {
        sdl().SDL_ClearError();
        m->releaseTimer.start();
        return false;
    }
    const Uint32 offset = static_cast<Uint32>(m->positionFrames) * m->frameBytes;
    const auto sound = static_cast<Uint32>(m->sound.samples.size()) - offset;
    const std::vector<Uint8> silence(static_cast<std::size_t>(obtained.samples) * m->frameBytes * kTrailingBuffers,
                                     obtained.silence);
    if (sdl().SDL_QueueAudio(device, m->sound.samples.data() + offset, sound) != 0 ||
        sdl().SDL_QueueAudio(device, silence.data(), static_cast<Uint32>(silence.size())) != 0) {
        sdl().SDL_ClearError();
        sdl().SDL_CloseAudioDevice(device);
        m->releaseTimer.start();
        return false;
    }
    m->releaseTimer.stop();
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
    if (!m->opened)
        return false;
    m->stopDevice();
    m->positionFrames = 0;
    return true;
}

void SdlWavePlayer::close()
{
    if (m->check != nullptr) {
        m->check->disconnect(); // a check still running is ended, and tells nothing
        m->check.reset();
    }
    m->release();
    m->opened = false;
    m->loaded = false;
    m->sound = {};
    m->positionFrames = 0;
}

bool SdlWavePlayer::streaming()
{
    m->drain();
    return m->device != 0;
}

bool SdlWavePlayer::holdsAudio() const { return m->holdsAudio; }

bool SdlWavePlayer::checking() const { return m->check != nullptr && m->check->state() != QProcess::NotRunning; }

} // namespace pocketrix
