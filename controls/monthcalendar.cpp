#include "controls/monthcalendar.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace pocketrix {

namespace {

const QColor kHeaderLineColour(0, 0, 0);
const QColor kDayLineColour(192, 192, 192);
const QColor kDayLineOnSilverColour(128, 128, 128);
constexpr int kGridLineWidth = 1;

} // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QFrame(parent)
{
    // The sunken 3D edge is two pixels wide on every side.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    rebuildLayout();
}

void MonthCalendar::setToday(const ClockReading& now)
{
    m_today = {now.year, now.month, now.day};
    if (m_useCurrentDate)
        loadCurrentDate();
}

void MonthCalendar::setShortDayNames(const std::array<std::string, 7>& names)
{
    m_dayNames = names;
    update();
}

void MonthCalendar::setStartOfWeek(int value)
{
    if (value < 0 || value > 6 || value == m_model.startOfWeek())
        return;
    m_model.setStartOfWeek(value);
    rebuildLayout();
}

void MonthCalendar::setUseCurrentDate(bool value)
{
    if (value == m_useCurrentDate)
        return;
    // Only a date actually taken as today's counts as the current one.
    if (value)
        loadCurrentDate();
    m_useCurrentDate = value;
}

void MonthCalendar::loadCurrentDate()
{
    m_model.setDate(m_today);
    rebuildLayout();
}

void MonthCalendar::setDateElement(DateElement element, int value)
{
    if (!m_model.setElement(element, value))
        return;
    m_useCurrentDate = false;
    rebuildLayout();
    emit OnChange();
}

// A date the program sets moves the selection even when the user may not move it.
void MonthCalendar::rebuildLayout()
{
    m_selected = m_model.selectedCell();
    announceSelection();
    update();
}

QString MonthCalendar::cellText(GridCell cell) const
{
    return QString::fromStdString(m_model.cellText(cell, m_dayNames));
}

QString MonthCalendar::cellName(GridCell cell) const
{
    const int day = m_model.dayAt(cell);
    if (day == 0 || !m_dateNamer)
        return cellText(cell);
    return m_dateNamer({m_model.date().year, m_model.date().month, day});
}

// A screen reader follows the focus from cell to cell.
void MonthCalendar::announceSelection()
{
    if (!hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleEvent moved(this, QAccessible::Focus);
    moved.setChild(m_selected.row * kGridColumns + m_selected.column);
    QAccessible::updateAccessibility(&moved);
}

void MonthCalendar::moveSelection(GridCell cell)
{
    if (cell == m_selected || m_readOnly || m_model.dayAt(cell) == 0)
        return;
    m_selected = cell;
    announceSelection();
    update();
}

// Taking the selected day cannot raise: it is a day of the shown month.
void MonthCalendar::clickCell()
{
    emit OnClick();
    setDay(m_model.dayAt(m_selected));
}

QRect MonthCalendar::cellRect(GridCell cell) const
{
    const QRect client = contentsRect();
    return {client.left() + cell.column * (m_columnWidth + kGridLineWidth),
            client.top() + cell.row * (m_rowHeight + kGridLineWidth), m_columnWidth, m_rowHeight};
}

GridCell MonthCalendar::cellAt(const QPoint& point) const
{
    const QRect client = contentsRect();
    if (!client.contains(point))
        return {0, -1};
    // A grid line belongs to the cell on its left or above it.
    const int column = (point.x() - client.left()) / (m_columnWidth + kGridLineWidth);
    const int row = (point.y() - client.top()) / (m_rowHeight + kGridLineWidth);
    if (column >= kGridColumns || row >= kGridRows)
        return {0, -1};
    return {column, row};
}

void MonthCalendar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const QRect client = contentsRect();
    m_columnWidth = std::max(0, (client.width() - 6 * kGridLineWidth) / 7);
    m_rowHeight = std::max(0, (client.height() - 6 * kGridLineWidth) / 7);
}

void MonthCalendar::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const GridCell cell = cellAt(event->position().toPoint());
    if (cell.row < 1)
        return;
    m_selecting = true;
    moveSelection(cell);
}

void MonthCalendar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_selecting)
        moveSelection(cellAt(event->position().toPoint()));
}

void MonthCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_selecting)
        return;
    m_selecting = false;
    clickCell();
}

void MonthCalendar::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    // The last week row shown whole.
    const int lastRow =
        std::clamp((contentsRect().height() - m_rowHeight) / (m_rowHeight + kGridLineWidth), 1, kGridRows - 1);
    const int page = std::max(1, lastRow - 1);
    GridCell target = m_selected;
    switch (event->key()) {
    case Qt::Key_Left:
        target.column = control ? 0 : target.column - 1;
        break;
    case Qt::Key_Right:
        target.column = control ? kGridColumns - 1 : target.column + 1;
        break;
    case Qt::Key_Up:
        target.row -= 1;
        break;
    case Qt::Key_Down:
        target.row += 1;
        break;
    case Qt::Key_Home:
        target = control ? GridCell{0, 1} : GridCell{0, target.row};
        break;
    case Qt::Key_End:
        target = control ? GridCell{kGridColumns - 1, kGridRows - 1} : GridCell{kGridColumns - 1, target.row};
        break;
    case Qt::Key_PageUp:
        target.row = control ? 1 : target.row - page;
        break;
    case Qt::Key_PageDown:
        target.row = control ? lastRow : target.row + page;
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    target.column = std::clamp(target.column, 0, kGridColumns - 1);
    target.row = std::clamp(target.row, 1, kGridRows - 1);
    event->accept();
    if (target == m_selected)
        return;
    moveSelection(target);
    clickCell();
}

void MonthCalendar::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            drawCell(painter, {column, row});
}

void MonthCalendar::drawCell(QPainter& painter, GridCell cell) const
{
    const QRect rect = cellRect(cell);
    const QPalette& colours = palette();
    const bool header = cell.row == 0;
    const bool selected = cell == m_selected;

    painter.save();
    painter.setClipRect(rect.intersected(contentsRect()));
    const auto [fill, text] = selected ? std::pair{QPalette::Highlight, QPalette::HighlightedText}
                              : header ? std::pair{QPalette::Button, QPalette::ButtonText}
                                       : std::pair{QPalette::Base, QPalette::Text};
    painter.fillRect(rect, colours.color(fill));

    const QString label = cellText(cell);
    const QFontMetrics metrics = fontMetrics();
    const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(label)) / 2;
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.setPen(colours.color(text));
    painter.setFont(font());
    painter.drawText(left, top + metrics.ascent(), label);
    if (header)
        qDrawShadePanel(&painter, rect, colours);

    if (selected && hasFocus()) {
        QPen dots(colours.color(QPalette::HighlightedText));
        dots.setDashPattern({1.0, 1.0});
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();

    // Lines run only between cells, each along the right and lower side of the cell
    // before it; what the column width leaves over at the right keeps the control's colour.
    const QColor line = header                                            ? kHeaderLineColour
                        : colours.color(QPalette::Base) == kDayLineColour ? kDayLineOnSilverColour
                                                                          : kDayLineColour;
    if (cell.column < kGridColumns - 1)
        painter.fillRect(rect.right() + 1, rect.top(), kGridLineWidth, rect.height() + kGridLineWidth, line);
    if (cell.row < kGridRows - 1)
        painter.fillRect(rect.left(), rect.bottom() + 1, rect.width(), kGridLineWidth, line);
}

} // namespace pocketrix
