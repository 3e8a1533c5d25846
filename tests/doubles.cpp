#include "tests/doubles.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace pocketrix::test {

SettableClock::SettableClock(int year, int month, int day, int hour, int minute, int second)
    : m_reading(reading(year, month, day, hour, minute, second))
{
}

void SettableClock::set(int year, int month, int day, int hour, int minute, int second)
{
    m_reading = reading(year, month, day, hour, minute, second);
}

void SettableClock::setTime(int hour, int minute, int second)
{
    m_reading = reading(m_reading.year, m_reading.month, m_reading.day, hour, minute, second);
}

RecordedErrors::RecordedErrors()
    : ErrorRule([this](const QString& message) { m_messages.append(message); },
                [this](const QString& message) { m_information.append(message); })
{
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : m_name(name), m_had(std::getenv(name) != nullptr)
{
    if (m_had)
        m_old = std::getenv(name);
    if (value == nullptr)
        unsetenv(name);
    else
        setenv(name, value, 1);
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        setenv(m_name.c_str(), m_old.c_str(), 1);
    else
        unsetenv(m_name.c_str());
}

Unprivileged::Unprivileged() : m_wasRoot(geteuid() == 0)
{
    if (m_wasRoot && seteuid(65534) != 0)
        ADD_FAILURE() << "cannot become an unprivileged user";
}

Unprivileged::~Unprivileged()
{
    if (m_wasRoot && seteuid(0) != 0)
        ADD_FAILURE() << "cannot become root again";
}

InFolder::InFolder(const QString& path) : m_previous(QDir::currentPath()), m_entered(QDir::setCurrent(path)) {}

InFolder::~InFolder() { QDir::setCurrent(m_previous); }

InFreshFolder::InFreshFolder() : m_here(m_folder.path())
{
    EXPECT_TRUE(m_folder.isValid());
    chmod(m_folder.path().toLocal8Bit().constData(), 0755);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QList<QMessageBox*> boxesOnScreen()
{
    QList<QMessageBox*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible())
            boxes << box;
    return boxes;
}

void Script::at(int milliseconds, std::function<void()> step)
{
    QTimer::singleShot(milliseconds, &m_context, std::move(step));
}

void Script::runFor(int milliseconds)
{
    QEventLoop loop;
    at(milliseconds, [&] {
        for (QMessageBox* box : boxesOnScreen())
            box->done(QMessageBox::Ok);
        loop.quit();
    });
    loop.exec();
}

} // namespace pocketrix::test
