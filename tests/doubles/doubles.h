#pragma once
// The doubles for the services the windows use, and the helpers of the tests that run
// them: an error rule that records, a program starter that records, wave players that
// record, stay quiet or play a file of the test's choosing, Qt's view of whole files and the
// message boxes on screen. With the Qt-free ones of plain.h, which it includes.

#include <algorithm>
#include <string>
#include <vector>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "app/shell/errorrule.h"
#include "platform/programstart.h"
#include "platform/waveplayer.h"
#include "tests/doubles/plain.h"

class QMessageBox;

namespace pocketrix::test {

// An error rule that records its messages instead of showing boxes.
class RecordedErrors : public ErrorRule {
public:
    RecordedErrors();

    const QStringList& messages() const { return m_messages; }
    // What it told that was no error.
    const QStringList& information() const { return m_information; }
    void clear() { m_messages.clear(); }

private:
    QStringList m_messages;
    QStringList m_information;
};

// Starts nothing and records the names it was asked to start.
class RecordingStarter final : public ProgramStarter {
public:
    QStringList started;
    bool start(const std::string& fileName) override
    {
        started << QString::fromStdString(fileName);
        return false;
    }
};

// A wave device that records what the player asks of it.
class FakeWavePlayer final : public WavePlayer {
public:
    std::string openFailure;    // when set, open raises it
    bool finishesAtOnce = true; // a sound shorter than a tick
    bool playRefused = false;   // the output went away after the open
    std::uint64_t soundLength = 6000;
    std::uint64_t at = 0;
    std::vector<std::string> calls;

    void open(const std::string& fileName) override;
    bool play() override;
    std::uint64_t position() override { return at; }
    std::uint64_t length() override { return soundLength; }
    bool seekToStart() override;
    void close() override { calls.emplace_back("close"); }

    long count(const std::string& call) const { return std::count(calls.begin(), calls.end(), call); }
};

// A wave device that plays nothing and never fails.
class QuietWavePlayer final : public WavePlayer {
public:
    void open(const std::string& /*fileName*/) override {}
    bool play() override { return true; }
    std::uint64_t position() override { return 0; }
    std::uint64_t length() override { return 0; }
    bool seekToStart() override { return true; }
    void close() override {}
};

// The real SDL player, opening the file the test names instead of the installed sound.
class SoundAt final : public WavePlayer {
public:
    // With a check program the sound is checked in a process of its own, as the program does.
    explicit SoundAt(std::string path, std::string checkProgram = {});
    void open(const std::string& /*fileName*/) override { m_real.open(m_path); }
    bool play() override { return m_real.play(); }
    std::uint64_t position() override { return m_real.position(); }
    std::uint64_t length() override { return m_real.length(); }
    bool seekToStart() override { return m_real.seekToStart(); }
    void close() override { m_real.close(); }
    bool streaming() const { return m_real.streaming(); }

private:
    std::string m_path;
    SdlWavePlayer m_real;
};

// A file's bytes, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes a file whole, replacing what it held.
void writeBytes(const QString& path, const QByteArray& bytes);

// The message boxes of the error rule that are on screen now.
QList<QMessageBox*> boxesOnScreen();

} // namespace pocketrix::test
