#pragma once

#include <string>

#include <QWidget>

namespace pocketrix {

class WavePlayer;

// The ringing window's sound component: a wave-audio device on one file, opened once,
// rewound automatically when the last playback ran to its end. It never shows itself.
class MediaPlayer : public QWidget {
    Q_OBJECT
public:
    explicit MediaPlayer(QWidget* parent = nullptr);
    ~MediaPlayer() override;

    void setDevice(WavePlayer* device) { m_device = device; }
    void setFileName(const std::string& fileName) { m_fileName = fileName; }

    // Opens the device on the file, closing one already open. Raises the platform's text
    // for a failed check of the sound, one found later is told by openFailed; the device
    // stays open either way.
    void Open();
    // Plays from the current position without waiting; raises "No MCI device open"
    // when no device is open or no sound could be played.
    void Play();
    void Close();

signals:
    void openFailed(const QString& text);

private:
    WavePlayer* m_device = nullptr;
    std::string m_fileName;
    bool m_open = false;
};

} // namespace pocketrix
