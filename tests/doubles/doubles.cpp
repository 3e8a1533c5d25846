#include "tests/doubles/doubles.h"

#include <QApplication>
#include <QMessageBox>

namespace pocketrix::test {

RecordedErrors::RecordedErrors()
    : ErrorRule([this](const QString& message) { m_messages.append(message); },
                [this](const QString& message) { m_information.append(message); })
{
}

void FakeWavePlayer::open(const std::string& fileName)
{
    calls.push_back("open " + fileName);
    if (!openFailure.empty())
        throw WaveError(openFailure);
    at = 0;
}

bool FakeWavePlayer::play()
{
    calls.emplace_back("play");
    if (playRefused)
        return false;
    if (finishesAtOnce)
        at = soundLength;
    return true;
}

bool FakeWavePlayer::seekToStart()
{
    calls.emplace_back("seek");
    at = 0;
    return true;
}

SoundAt::SoundAt(std::string path, std::string checkProgram) : m_path(std::move(path)), m_real(std::move(checkProgram))
{
    m_real.setLateFailureHandler([this](const std::string& text) { lateFailure(text); });
}

QByteArray fileBytes(const QString& path) { return QByteArray::fromStdString(fileContent(path.toStdString())); }

void writeBytes(const QString& path, const QByteArray& bytes)
{
    writeFile(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QList<QMessageBox*> boxesOnScreen()
{
    QList<QMessageBox*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible())
            boxes << box;
    return boxes;
}

} // namespace pocketrix::test
