#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <signal.h>

#include "app/shell/windowset.h"
#include "pages/alring3.h"
#include "platform/helperprocess.h"
#include "platform/waveplayer.h"
#include "tests/doubles/doubles.h"

namespace pocketrix {
namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample bytes of a wave file: the body of its "data" chunk.
QByteArray waveSamples(const QByteArray& wave)
{
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const auto* size = reinterpret_cast<const unsigned char*>(wave.constData() + at + 4);
        const qsizetype bytes = size[0] | size[1] << 8 | size[2] << 16 | size[3] << 24;
        if (id == "data")
            return wave.mid(at + 8, bytes);
        at += 8 + bytes + (bytes & 1);
    }
    return {};
}

// The threads of SDL's open audio devices, one for each, by the name SDL gives them.
int audioDeviceThreads()
{
    int threads = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        threads += name.starts_with("SDLAudioP") ? 1 : 0;
    }
    return threads;
}

class DiskAudio : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString output = folder.filePath("device.raw");
    test::ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    test::ScopedEnv file{"SDL_DISKAUDIOFILE", output.toLocal8Bit().constData()};
    test::RecordedErrors errors;
};

TEST_F(DiskAudio, EachRingingTickPutsTheSoundOnADeviceThatClosesWhenDrained)
{
    const QByteArray samples = waveSamples(readAll(POCKETRIX_SOUND_SOURCE));
    ASSERT_GT(samples.size(), 1000);

    SdlWavePlayer wave;
    WindowSet windows{errors};
    DeferredStart deferred{errors};
    TForm2 ringing(windows, errors, deferred, wave);
    ringing.findChild<QTimer*>("Timer1")->stop();
    EXPECT_FALSE(wave.length() > 0) << "the sound waits for the main window";
    deferred.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return deferred.started(); }));
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join(' ').toStdString();
    EXPECT_FALSE(wave.streaming()) << "opened, but idle";

    ringing.FormActivate(&ringing);
    for (int tick = 1; tick <= 2; ++tick) {
        SCOPED_TRACE(tick);
        QFile::remove(output); // the driver writes a fresh file at each device open
        errors.runGuarded([&] { ringing.Timer1Timer(&ringing); });
        EXPECT_TRUE(wave.streaming());
        // The device's thread takes its name as it starts.
        EXPECT_TRUE(QTest::qWaitFor([] { return audioDeviceThreads() == 1; }, 1000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !wave.streaming(); }, 3000));
        const QByteArray written = readAll(output);
        EXPECT_TRUE(written.contains(samples)) << written.size() << " bytes written";
        EXPECT_EQ(wave.position(), wave.length());
    }

    // Idle: no device, whose thread would write on to the file.
    EXPECT_EQ(audioDeviceThreads(), 0);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(' ').toStdString();
}

TEST_F(DiskAudio, PlayWhileSoundingLetsTheSoundGoOn)
{
    SdlWavePlayer wave;
    wave.open(POCKETRIX_SOUND_SOURCE);
    ASSERT_TRUE(wave.play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wave.position() > 0; }, 2000));
    const auto reached = wave.position();
    ASSERT_LT(reached, wave.length());
    EXPECT_TRUE(wave.play());
    EXPECT_GE(wave.position(), reached) << "a second play does not start over";
    EXPECT_TRUE(wave.seekToStart());
    EXPECT_EQ(wave.position(), 0u);
    EXPECT_FALSE(wave.streaming()) << "seeking stops the playback";
}

// A logout or `kill` must still end the program once the sound is open.
TEST(SdlWavePlayerOpen, LeavesTheTerminationSignalsToTheProgram)
{
    test::ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signalNumber);
        struct sigaction found {};
        struct sigaction plain {};
        plain.sa_handler = SIG_DFL;
        ASSERT_EQ(sigaction(signalNumber, &plain, &found), 0);
        {
            SdlWavePlayer wave;
            wave.open(POCKETRIX_SOUND_SOURCE);
            struct sigaction now {};
            ASSERT_EQ(sigaction(signalNumber, nullptr, &now), 0);
            EXPECT_EQ(now.sa_handler, SIG_DFL);
        }
        sigaction(signalNumber, &found, nullptr);
    }
}

TEST(SdlWavePlayerOpen, FailuresCarryThePlatformText)
{
    struct Case {
        const char* driver;
        const char* file;
        const char* textContains;
    } cases[] = {
        {"dummy", "/nonexistent/albeep.wav", "/nonexistent/albeep.wav"},
        {"dummy", POCKETRIX_TEST_DATA "/../CMakeLists.txt", ""},
        {"no-such-output", POCKETRIX_SOUND_SOURCE, "no-such-output"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.driver) + " " + c.file);
        test::ScopedEnv driver("SDL_AUDIODRIVER", c.driver);
        SdlWavePlayer wave;
        try {
            wave.open(c.file);
            ADD_FAILURE() << "no error raised";
        } catch (const WaveError& error) {
            EXPECT_NE(std::string(error.what()), "");
            EXPECT_NE(std::string(error.what()).find(c.textContains), std::string::npos) << error.what();
        }
        EXPECT_FALSE(wave.play());
        EXPECT_FALSE(wave.streaming());
    }
}

bool soundLibraryMapped() { return readAll(QStringLiteral("/proc/self/maps")).contains("libSDL2"); }

// Checked in its own program, the sound opens at once and tells a failure when the check
// ends; without that program it is checked here.
TEST(SdlWavePlayerOpen, ACheckApartTellsItsFailureWhenItEnds)
{
    struct Case {
        const char* what;
        const char* driver;
        const char* file;
        const char* checkProgram;
        const char* failureContains;     // null: no failure
        bool playsAfterAFailure = false; // the check only tells
    } cases[] = {
        {"a playable sound", "dummy", POCKETRIX_SOUND_SOURCE, POCKETRIX_SOUND_CHECK, nullptr},
        {"a missing file", "dummy", "/nonexistent/albeep.wav", POCKETRIX_SOUND_CHECK, "/nonexistent/albeep.wav"},
        {"no output", "no-such-output", POCKETRIX_SOUND_SOURCE, POCKETRIX_SOUND_CHECK, "no-such-output"},
        {"no check program", "dummy", "/nonexistent/albeep.wav", "/nonexistent/pocketrix-soundcheck",
         "/nonexistent/albeep.wav"},
        {"a check that crashes", "dummy", POCKETRIX_SOUND_SOURCE, POCKETRIX_TEST_DATA "/checks/crashes.sh",
         "Unknown error code", true},
        {"a check that fails with unreadable bytes on an overlong line", "dummy", POCKETRIX_SOUND_SOURCE,
         POCKETRIX_TEST_DATA "/checks/garbage.sh", "bad ?? output 0000", true},
    };
    // Once loaded, SDL stays; a test run on its own shows that the check did not load it.
    const bool loadedBefore = soundLibraryMapped();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScopedEnv driver("SDL_AUDIODRIVER", c.driver);
        SdlWavePlayer wave(c.checkProgram);
        std::optional<std::string> failure;
        wave.setLateFailureHandler([&](const std::string& text) { failure = text; });
        ASSERT_NO_THROW(wave.open(c.file));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !wave.checking(); }, 5000));
        const bool told = failure.has_value();
        if (c.failureContains == nullptr) {
            EXPECT_FALSE(told) << *failure;
            EXPECT_FALSE(wave.holdsAudio());
            if (!loadedBefore) {
                EXPECT_FALSE(soundLibraryMapped()) << "the sound libraries wait for the first sound";
            }
        } else {
            ASSERT_TRUE(told);
            EXPECT_NE(failure->find(c.failureContains), std::string::npos) << *failure;
            EXPECT_LE(failure->size(), kHelperOutputLimit);
            EXPECT_EQ(failure->find("second line"), std::string::npos);
            EXPECT_EQ(wave.play(), c.playsAfterAFailure);
        }
    }
}

// SDL's audio runs for the sounds and stops a few seconds after the last one.
TEST_F(DiskAudio, TheAudioRunsOnlyAroundTheSounds)
{
    SdlWavePlayer wave(POCKETRIX_SOUND_CHECK);
    wave.open(POCKETRIX_SOUND_SOURCE);
    EXPECT_FALSE(wave.holdsAudio());
    for (int sound = 1; sound <= 2; ++sound) {
        SCOPED_TRACE(sound);
        wave.seekToStart();
        ASSERT_TRUE(wave.play());
        EXPECT_TRUE(wave.holdsAudio());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !wave.streaming(); }, 3000));
        EXPECT_EQ(wave.position(), wave.length());
        EXPECT_GT(wave.length(), 1000u);
        EXPECT_TRUE(wave.holdsAudio()) << "kept between the alarm's sounds";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !wave.holdsAudio(); }, 5000));
    }
    EXPECT_TRUE(readAll(output).size() > 1000) << "the second sound reached the output";
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(' ').toStdString();
}

} // namespace
} // namespace pocketrix
