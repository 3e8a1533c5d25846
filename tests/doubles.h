#pragma once
// Test doubles for the platform services, guards that pin the environment, and the
// small file helpers the tests share.

#include <functional>
#include <string>

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "app/shell/errorrule.h"
#include "platform/clock.h"
#include "tests/core/readings.h"

class QMessageBox;

namespace pocketrix::test {

// A clock that reads whatever the test set last.
class SettableClock final : public Clock {
public:
    SettableClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    ClockReading now() const override { return m_reading; }
    void set(int year, int month, int day, int hour, int minute, int second);
    void setTime(int hour, int minute, int second);

private:
    ClockReading m_reading;
};

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

// Sets an environment variable for the guard's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    bool m_had;
    std::string m_old;
};

// Gives up root's power to read and write anywhere for the guard's lifetime (as the
// unprivileged user 65534), so file permissions bite; a no-op for other users.
class Unprivileged {
public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool m_wasRoot;
};

// Makes a folder the current directory for the guard's lifetime.
class InFolder {
public:
    explicit InFolder(const QString& path);
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

    bool entered() const { return m_entered; }

private:
    QString m_previous;
    bool m_entered;
};

// A fresh temporary folder as the current directory for the guard's lifetime. Everyone may
// search it, so an unprivileged reader meets only a file's own mode.
class InFreshFolder {
public:
    InFreshFolder();

    bool isValid() const { return m_folder.isValid(); }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder; // outlives the guard below, which leaves it first
    InFolder m_here;
};

// A file's bytes, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes a file whole, replacing what it held; a file that cannot be opened fails the test.
void writeBytes(const QString& path, const QByteArray& bytes);

// The message boxes of the error rule that are on screen now.
QList<QMessageBox*> boxesOnScreen();

// Steps at fixed times from now, run by timers, so they go on whatever event loop is
// running: a program that waited inside a handler would still meet every step, and fail.
class Script {
public:
    Script() { m_clock.start(); }
    void at(int milliseconds, std::function<void()> step);
    // Runs the event loop until the given time; boxes still up then are closed, in case
    // one waits in a loop of its own.
    void runFor(int milliseconds);
    qint64 elapsed() const { return m_clock.elapsed(); }

private:
    QObject m_context;
    QElapsedTimer m_clock;
};

} // namespace pocketrix::test
