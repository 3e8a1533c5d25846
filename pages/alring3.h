#pragma once

#include <functional>
#include <memory>

#include <QTimer>
#include <QWidget>

namespace Ui {
class Form2;
}

namespace pocketrix {

class DeferredStart;
class ErrorRule;
class WavePlayer;
class WindowSet;

// The ringing window: shown when the alarm time comes, it sounds every second from its
// activation until "STOP". `Label1` its text, `Image1` the clock, `Button1` "STOP",
// `MediaPlayer1` the sound, `Timer1` the tick that plays it.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    // The sound comes through device, which must outlive the window; it opens once the
    // main window is on screen.
    TForm2(WindowSet& windows, ErrorRule& errors, DeferredStart& start, WavePlayer& device, QWidget* parent = nullptr);
    ~TForm2() override;

    void FormActivate(QObject* sender);
    // Sounding from the next tick on, whether or not the desktop activates the window.
    void startRinging();
    void Timer1Timer(QObject* sender);
    void Button1Click(QObject* sender);

    // What sounds each second when the wave device could not be opened.
    void setSystemBeep(std::function<void()> beep) { m_systemBeep = std::move(beep); }

    int Ringing = 0; // 1 from the window's activation until "STOP"

private:
    std::unique_ptr<Ui::Form2> ui;
    WindowSet& m_windows;
    QTimer m_timer1;
    std::function<void()> m_systemBeep;
    bool m_noDeviceReported = false;
};

} // namespace pocketrix
