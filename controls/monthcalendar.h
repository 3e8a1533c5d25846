#pragma once

#include <array>
#include <functional>
#include <string>

#include <QFrame>

#include "controls/monthmodel.h"

namespace pocketrix {

// A month as a grid of seven weekday columns under a header of short day names, with the
// day of its one date highlighted. The program moves it through Year, Month and Day; the
// user moves the day within the shown month by mouse and keyboard.
class MonthCalendar : public QFrame {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    // Today's date, read by the owner from its clock; loaded now when UseCurrentDate
    // holds. A date past the last year raises the date error and the shown one stays.
    void setToday(const ClockReading& now);
    // The header texts, Sunday first.
    void setShortDayNames(const std::array<std::string, 7>& names);

    int Year() const { return m_model.date().year; }
    int Month() const { return m_model.date().month; }
    int Day() const { return m_model.date().day; }
    // Raise "Invalid argument to date encode" for a combination that is no date.
    void setYear(int value) { setDateElement(DateElement::Year, value); }
    void setMonth(int value) { setDateElement(DateElement::Month, value); }
    void setDay(int value) { setDateElement(DateElement::Day, value); }

    int StartOfWeek() const { return m_model.startOfWeek(); }
    void setStartOfWeek(int value);
    bool UseCurrentDate() const { return m_useCurrentDate; }
    void setUseCurrentDate(bool value);
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool value) { m_readOnly = value; }

    const MonthModel& model() const { return m_model; }
    GridCell selectedCell() const { return m_selected; }
    QString cellText(GridCell cell) const;
    // What assistive technology calls a cell: a day by its date as the namer gives it
    // (the day number without one), a header cell by its day name, a blank cell nothing.
    QString cellName(GridCell cell) const;
    void setDateNamer(std::function<QString(const CalendarDate&)> namer) { m_dateNamer = std::move(namer); }
    // The cell under a point of the widget, or row -1 when there is none.
    GridCell cellAt(const QPoint& point) const;
    QRect cellRect(GridCell cell) const;
    int columnWidth() const { return m_columnWidth; }
    int rowHeight() const { return m_rowHeight; }

signals:
    void OnChange();
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setDateElement(DateElement element, int value);
    void loadCurrentDate();
    void rebuildLayout();
    void moveSelection(GridCell cell);
    void clickCell();
    void drawCell(QPainter& painter, GridCell cell) const;
    void announceSelection();

    MonthModel m_model;
    CalendarDate m_today; // the model's own first date until the owner gives one
    std::array<std::string, 7> m_dayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::function<QString(const CalendarDate&)> m_dateNamer;
    GridCell m_selected;
    bool m_useCurrentDate = true;
    bool m_readOnly = false;
    bool m_selecting = false;
    int m_columnWidth = 0;
    int m_rowHeight = 0;
};

} // namespace pocketrix
