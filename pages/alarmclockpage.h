#pragma once

#include <memory>
#include <string_view>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class AlarmClockPage;
}

namespace pocketrix {

// The Alarm Clock page: one alarm time stepped with arrow buttons, set and cancelled
// with one button, compared with the clock once a minute by the main window's tick.
// `Label27` the alarm display, `Label26` the hidden reading of the time, `Label29` its
// caption; `SpeedButton10`/`11` the hour up and down, `SpeedButton12`/`13` the minute's;
// `Button1` "Alarm Set", `Button2` "Cancel Alarm".
class AlarmClockPage : public QWidget {
    Q_OBJECT
public:
    explicit AlarmClockPage(QWidget* parent = nullptr);
    ~AlarmClockPage() override;

    void attach(PageContext& context);

    void SpeedButton10Click(QObject* sender);
    void SpeedButton12Click(QObject* sender);
    void Button1Click(QObject* sender);
    void Button2Click(QObject* sender);
    void AlarmCheck(QObject* sender);
    void AlarmBeep();

    // Puts a new alarm time into the clock state and the display together.
    void setAlarmText(std::string_view text);
    // The main window's activation: a set alarm that is not ringing is cancelled.
    void cancelUnlessRinging(QObject* sender);

private:
    std::unique_ptr<Ui::AlarmClockPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
