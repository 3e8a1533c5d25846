// The alarm sound through the real SDL player when the machine has no output, the file
// is missing or damaged, or the sound lasts longer than a tick.

#include <QDataStream>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "pages/alring3.h"
#include "platform/waveplayer.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// A mono 8-bit wave of the given length at 8000 samples a second.
QByteArray wave(int milliseconds)
{
    const quint32 samples = static_cast<quint32>(milliseconds) * 8;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    for (quint32 i = 0; i < samples; ++i)
        out << quint8((i / 8) % 2 ? 0xa0 : 0x60);
    return bytes;
}

// The ringing window on its own, its timer driven by the test.
struct RingingWindow {
    test::RecordedErrors errors;
    WindowSet windows{errors};
    DeferredStart deferred{errors};
    test::SoundAt device;
    TForm2 ringing;
    int beeps = 0;

    explicit RingingWindow(const std::string& path) : device(path), ringing(windows, errors, deferred, device)
    {
        ringing.findChild<QTimer*>("Timer1")->stop();
        ringing.setSystemBeep([this] { ++beeps; });
        deferred.start(); // as when the main window is up: the sound opens
        EXPECT_TRUE(QTest::qWaitFor([this] { return deferred.started(); }));
        ringing.FormActivate(&ringing);
    }
    void tick()
    {
        errors.runGuarded([&] { ringing.Timer1Timer(&ringing); });
    }
};

TEST(SoundFaults, WithoutAUsableSoundTheAlarmBeepsEachTickAndTellsOnce)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString corrupt = folder.filePath("albeep.wav");
    QByteArray damaged = wave(500);
    damaged.truncate(30); // the header stops inside the format chunk
    test::writeBytes(corrupt, damaged);
    const QString noise = folder.filePath("noise.wav");
    test::writeBytes(noise, QByteArray(4000, '\x5a'));
    struct Case {
        const char* what;
        const char* driver;
        std::string file;
    } cases[] = {
        {"no audio device", "nonexistent", POCKETRIX_SOUND_SOURCE},
        {"the sound file is missing", "dummy", folder.filePath("missing.wav").toStdString()},
        {"the sound file is cut off", "dummy", corrupt.toStdString()},
        {"the sound file is no wave", "dummy", noise.toStdString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const test::ScopedEnv driver("SDL_AUDIODRIVER", c.driver);
        RingingWindow window(c.file);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.errors.messages().isEmpty(); }));
        ASSERT_EQ(window.errors.messages().size(), 1) << "the open failure is told once";
        EXPECT_FALSE(window.errors.messages()[0].isEmpty());
        EXPECT_TRUE(window.errors.messages()[0].endsWith('.'));
        window.errors.clear();
        for (int tick = 0; tick < 3; ++tick)
            window.tick();
        EXPECT_EQ(window.beeps, 3);
        EXPECT_EQ(window.errors.messages(), QStringList{"No MCI device open."});
        EXPECT_FALSE(window.device.streaming());
    }
}

TEST(SoundFaults, ASoundLongerThanATickPlaysOnAndStartsOverAfterItEnds)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("albeep.wav");
    test::writeBytes(path, wave(2500));
    const test::ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    const test::ScopedEnv output("SDL_DISKAUDIOFILE", folder.filePath("device.raw").toLocal8Bit().constData());
    RingingWindow window(path.toStdString());
    ASSERT_TRUE(window.errors.messages().isEmpty()) << window.errors.messages().join(' ').toStdString();
    test::SoundAt& device = window.device;

    window.tick();
    ASSERT_EQ(device.length(), 20000u) << "read for the first sound";
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.position() > 4000; }, 3000));
    const auto reached = device.position();
    ASSERT_LT(reached, device.length()) << "still playing a second later";
    window.tick(); // a play request while it plays lets it go on
    EXPECT_GE(device.position(), reached);
    EXPECT_TRUE(device.streaming());

    ASSERT_TRUE(QTest::qWaitFor([&] { return device.position() == device.length(); }, 5000));
    window.tick(); // the first tick after the end starts from the start
    EXPECT_LT(device.position(), reached);
    EXPECT_TRUE(device.streaming());
    EXPECT_EQ(window.beeps, 0);
    EXPECT_TRUE(window.errors.messages().isEmpty()) << window.errors.messages().join(' ').toStdString();
    window.ringing.Button1Click(&window.ringing);
}

// The real player on a file that is not there: the program starts, tells it once, and
// rings with the system beep, whether the sound is checked here or in its own program.
TEST(MissingSound, StartUpTellsOnceAndTheRingingFallsBackToTheSystemBeep)
{
    for (const char* checkProgram : {"", POCKETRIX_SOUND_CHECK}) {
        SCOPED_TRACE(checkProgram);
        test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
        test::SoundAt wave("/nonexistent/albeep.wav", checkProgram);
        test::ProgramUnderTest program{{.now = test::reading(2026, 12, 7, 7, 0, 0),
                                        .sound = &wave,
                                        .testTicksTheRinging = true,
                                        .inFolderWithHelp = true}};
        test::RecordedErrors& errors = program.errors;

        EXPECT_TRUE(errors.messages().isEmpty()) << "nothing is shown before the main window";
        program.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.messages().isEmpty(); }));
        ASSERT_EQ(errors.messages().size(), 1);
        EXPECT_TRUE(errors.messages()[0].contains("/nonexistent/albeep.wav")) << errors.messages()[0].toStdString();
        EXPECT_TRUE(errors.messages()[0].endsWith('.'));
        errors.clear();

        program.windows.show(program.ringing);
        ASSERT_TRUE(QTest::qWaitFor([&] { return program.ringing->Ringing == 1; }));
        for (int tick = 0; tick < 3; ++tick)
            program.ringingTick();
        EXPECT_EQ(program.beeps, 3);
        EXPECT_EQ(errors.messages(), QStringList{"No MCI device open."});
    }
}

} // namespace
} // namespace pocketrix
