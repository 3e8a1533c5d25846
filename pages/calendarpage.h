#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"
#include "platform/clock.h"

namespace Ui {
class CalendarPage;
}

namespace pocketrix {

class MonthCalendar;

// The Calendar page: the month grid, the month list and year spinner that move it, and
// the button that opens the reminder window for the chosen day. `Calendar1` the grid,
// `ComboBox1` the month list, `Edit1` the year with its spinner `UpDown1`, `Label1` and
// `Label5` their captions, `Button3` "Generate Reminder".
class CalendarPage : public QWidget {
    Q_OBJECT
public:
    explicit CalendarPage(QWidget* parent = nullptr);
    ~CalendarPage() override;

    void attach(PageContext& context);

    // The main window's start-up steps: the month list and year from the calendar, and
    // the start-up date with its reminder file name into the clock state.
    void initialise();
    void recordToday();

    void ComboBox1Change(QObject* sender);
    void Edit1Change(QObject* sender);
    void Button3Click(QObject* sender);

    MonthCalendar* calendar() const;

private:
    void nameCalendar();

    std::unique_ptr<Ui::CalendarPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
