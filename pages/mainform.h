#pragma once

#include <memory>
#include <string>

#include <QMainWindow>
#include <QTimer>

#include "app/core/clockstate.h"
#include "pages/services.h"

namespace Ui {
class mainform;
}

namespace pocketrix {

class ErrorRule;
class WindowSet;

// The main window: title bar clock, the five pages, the Help menu and the two timers
// that drive everything else. `Image2` the banner; `TabSheet1` to `TabSheet5` the pages
// Programs, System, Calendar, World Time and Alarm Clock; `Timer1` the one-second tick,
// `Timer2` the one-minute tick; `Details1` and `About1` the Help menu's items.
class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    Tmainform(const Services& services, WindowSet& windows, ErrorRule& errors);
    ~Tmainform() override;

    void FormCreate(QObject* sender);
    void FormActivate(QObject* sender);
    void FormClose(QObject* sender);
    void Timer1Timer(QObject* sender);
    void Details1Click(QObject* sender);
    void About1Click(QObject* sender);

    const ClockState& state() const { return m_state; }
    void setOtherWindows(const OtherWindows& others) { m_pages.others = others; }

    // Learns of a reminder the reminder window wrote, so today's can wait for a Jotter.
    void reminderWritten(const std::string& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void keepTimer1InPhase();

    std::unique_ptr<Ui::mainform> ui;
    const Services m_services;
    ClockState m_state;
    PageContext m_pages;
    QTimer m_timer1;
    QTimer m_timer2;
};

} // namespace pocketrix
