#include "pages/mediaplayer.h"

#include <utility>

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
    m_device->setLateFailureHandler([this](const std::string& text) { emit openFailed(QString::fromStdString(text)); });
    // Open whatever the check finds: it only tells, and each play tries the output afresh.
    m_open = true;
    try {
        m_device->open(m_fileName);
    } catch (const WaveError& error) {
        throw Error(error.what());
    }
}

void MediaPlayer::Play()
{
    if (m_open && m_device->position() == m_device->length())
        m_device->seekToStart();
    if (!m_open || !m_device->play())
        throw Error("No MCI device open");
}

void MediaPlayer::Close()
{
    if (m_device != nullptr)
        m_device->setLateFailureHandler({});
    if (std::exchange(m_open, false))
        m_device->close();
}

} // namespace pocketrix
