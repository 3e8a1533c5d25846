#pragma once
// Test doubles for the platform services and guards that pin the environment.

#include <functional>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "app/shell/errorrule.h"
#include "platform/clock.h"

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

ClockReading reading(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Records the error rule's messages instead of showing boxes, for the guard's lifetime.
class RecordedErrors {
public:
    RecordedErrors();
    ~RecordedErrors();
    RecordedErrors(const RecordedErrors&) = delete;
    RecordedErrors& operator=(const RecordedErrors&) = delete;

    const QStringList& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    QStringList m_messages;
    ErrorPresenter m_previous;
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

// Processes events until the condition holds or the time runs out.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 2000);

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
