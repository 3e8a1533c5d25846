#include "platform/helperprocess.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QTimer>

namespace pocketrix {

struct HelperProcess::State {
    QProcess process;
    QTimer deadline;
    std::string output;
    Finished finished;
    pid_t group = 0;

    void endGroup()
    {
        if (group > 0)
            ::kill(-group, SIGKILL);
    }
    void finish(Outcome outcome)
    {
        deadline.stop();
        group = 0;
        if (const Finished told = std::exchange(finished, {}))
            told(outcome, printableFirstLine(output));
    }
    void readOutput()
    {
        const QByteArray part = process.read(static_cast<qint64>(kHelperOutputLimit - output.size()));
        output.append(part.constData(), static_cast<std::size_t>(part.size()));
        // Whatever comes after is never read: a helper that goes on printing meets a
        // closed pipe rather than a program that buffers all of it.
        if (output.size() >= kHelperOutputLimit || output.find('\n') != std::string::npos)
            process.closeReadChannel(QProcess::StandardOutput);
    }
};

HelperProcess::HelperProcess() : m(std::make_unique<State>())
{
    m->deadline.setSingleShot(true);
    m->deadline.callOnTimeout([this] { m->endGroup(); }); // it then finishes as crashed
    m->process.setStandardInputFile(QProcess::nullDevice());
    m->process.setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(&m->process, &QProcess::readyReadStandardOutput, [this] { m->readOutput(); });
    QObject::connect(&m->process, &QProcess::finished, [this](int exitCode, QProcess::ExitStatus status) {
        m->endGroup(); // what the helper started goes with it
        m->finish(status == QProcess::NormalExit && exitCode == 0 ? Outcome::Succeeded : Outcome::Failed);
    });
    QObject::connect(&m->process, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            m->finish(Outcome::NotStarted);
    });
}

HelperProcess::~HelperProcess()
{
    m->process.disconnect();
    m->endGroup();
    if (running()) {
        m->process.kill();
        m->process.waitForFinished(1000);
    }
}

void HelperProcess::start(const std::string& program, const std::string& argument, std::chrono::milliseconds limit,
                          Finished finished)
{
    m->output.clear();
    m->finished = std::move(finished);
    const pid_t parent = ::getpid();
    m->process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) // the program ended before the signal was asked for
            ::_exit(127);
    });
    m->process.start(QString::fromStdString(program), {QString::fromStdString(argument)});
    if (const auto pid = static_cast<pid_t>(m->process.processId()); pid > 0) {
        ::setpgid(pid, pid); // also here, so that the group exists before the child gets to it
        m->group = pid;
        m->deadline.start(limit);
    }
}

bool HelperProcess::running() const { return m->process.state() != QProcess::NotRunning; }

std::string printableFirstLine(std::string_view output)
{
    output = output.substr(0, kHelperOutputLimit);
    output = output.substr(0, output.find_first_of("\r\n"));
    QString line = QString::fromLocal8Bit(output.data(), static_cast<qsizetype>(output.size())).trimmed();
    for (QChar& character : line)
        if (!character.isPrint() || character == QChar::ReplacementCharacter)
            character = QLatin1Char('?');
    return line.toStdString();
}

} // namespace pocketrix
