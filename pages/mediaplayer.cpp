#include "pages/mediaplayer.h"

#include "app/core/errors.h"
#include "platform/waveplayer.h"

namespace pocketrix {

MediaPlayer::MediaPlayer(QWidget* parent) : QWidget(parent) { setVisible(false); }

MediaPlayer::~MediaPlayer() { Close(); }

void MediaPlayer::Open()
{
    Close();
    if (m_device == nullptr)
        throw Error("Unknown error code");
    m_device->setLateFailureHandler([this](const std::string& text) {
        m_open = false;
        emit openFailed(QString::fromStdString(text));
    });
    try {
        m_device->open(m_fileName);
    } catch (const WaveError& error) {
        throw Error(error.what());
    }
    m_open = true;
}

void MediaPlayer::Play()
{
    if (!m_open)
        throw Error("No MCI device open");
    if (m_device->position() == m_device->length())
        m_device->seekToStart();
    m_lastPlayFailed = !m_device->play();
}

void MediaPlayer::Close()
{
    if (m_device != nullptr)
        m_device->setLateFailureHandler({});
    if (!m_open)
        return;
    m_open = false;
    m_device->close();
}

} // namespace pocketrix
