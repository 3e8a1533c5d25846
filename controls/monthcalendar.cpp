#include "controls/monthcalendar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pocketrix {

namespace {

const QColor kHeaderLineColour(0, 0, 0);
const QColor kDayLineColour(192, 192, 192);
const QColor kDayLineOnSilverColour(128, 128, 128);

// Holds the updating flag for one layout rebuild, clearing it also when the rebuild fails.
class UpdatingScope {
public:
    explicit UpdatingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~UpdatingScope() { m_flag = false; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    bool& m_flag;
};

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

void MonthCalendar::setGridLineWidth(int value)
{
    if (value < 0 || value == m_gridLineWidth)
        return;
    m_gridLineWidth = value;
    update();
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

void MonthCalendar::rebuildLayout()
{
    const UpdatingScope updating(m_updating);
    moveSelection(m_model.selectedCell());
    update();
}

QString MonthCalendar::cellText(GridCell cell) const
{
    return QString::fromStdString(m_model.cellText(cell, m_dayNames));
}

bool MonthCalendar::maySelectCell(GridCell cell) const
{
    if (m_readOnly && !m_updating)
        return false;
    return m_model.dayAt(cell) != 0;
}

void MonthCalendar::moveSelection(GridCell cell)
{
    if (cell == m_selected || !maySelectCell(cell))
        return;
    m_selected = cell;
    update();
}

// Taking the selected day cannot raise: it is a day of the shown month.
void MonthCalendar::clickCell()
{
    emit OnClick();
    const int day = m_model.dayAt(m_selected);
    if (day != 0)
        setDay(day);
}

QRect MonthCalendar::cellRect(GridCell cell) const
{
    const QRect client = contentsRect();
    return {client.left() + cell.column * (m_columnWidth + m_gridLineWidth),
            client.top() + cell.row * (m_rowHeight + m_gridLineWidth), m_columnWidth, m_rowHeight};
}

GridCell MonthCalendar::cellAt(const QPoint& point) const
{
    const QRect client = contentsRect();
    const int columnPitch = m_columnWidth + m_gridLineWidth;
    const int rowPitch = m_rowHeight + m_gridLineWidth;
    if (!client.contains(point) || columnPitch <= 0 || rowPitch <= 0)
        return {0, -1};
    // A grid line belongs to the cell on its left or above it.
    const int column = (point.x() - client.left()) / columnPitch;
    const int row = (point.y() - client.top()) / rowPitch;
    if (column >= kGridColumns || row >= kGridRows)
        return {0, -1};
    return {column, row};
}

int MonthCalendar::lastFullyVisibleRow() const
{
    const int height = contentsRect().height();
    int last = 0;
    for (int row = 0; row < kGridRows; ++row)
        if (row * (m_rowHeight + m_gridLineWidth) + m_rowHeight <= height)
            last = row;
    return last;
}

void MonthCalendar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const QRect client = contentsRect();
    m_columnWidth = std::max(0, (client.width() - 6 * m_gridLineWidth) / 7);
    m_rowHeight = std::max(0, (client.height() - 6 * m_gridLineWidth) / 7);
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
    if (!m_selecting)
        return;
    const GridCell cell = cellAt(event->position().toPoint());
    if (cell.row >= 1)
        moveSelection(cell);
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
    const int lastRow = std::max(1, lastFullyVisibleRow());
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

void MonthCalendar::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void MonthCalendar::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
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
    QColor text = colours.color(QPalette::Text);
    if (selected) {
        painter.fillRect(rect, colours.color(QPalette::Highlight));
        text = colours.color(QPalette::HighlightedText);
    } else if (header) {
        painter.fillRect(rect, colours.color(QPalette::Button));
        text = colours.color(QPalette::ButtonText);
    } else {
        painter.fillRect(rect, colours.color(QPalette::Base));
    }

    const QString label = cellText(cell);
    const QFontMetrics metrics = fontMetrics();
    const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(label)) / 2;
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.setPen(text);
    painter.setFont(font());
    painter.drawText(left, top + metrics.ascent(), label);

    if (header) {
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
    }

    if (selected && hasFocus()) {
        QPen dots(colours.color(QPalette::HighlightedText));
        dots.setDashPattern({1.0, 1.0});
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();

    if (m_gridLineWidth <= 0)
        return;
    // Lines run only between cells, each along the right and lower side of the cell
    // before it; what the column width leaves over at the right keeps the control's colour.
    QColor line = kDayLineColour;
    if (header)
        line = kHeaderLineColour;
    else if (colours.color(QPalette::Base) == kDayLineColour)
        line = kDayLineOnSilverColour;
    if (cell.column < kGridColumns - 1)
        painter.fillRect(rect.right() + 1, rect.top(), m_gridLineWidth, rect.height() + m_gridLineWidth, line);
    if (cell.row < kGridRows - 1)
        painter.fillRect(rect.left(), rect.bottom() + 1, rect.width(), m_gridLineWidth, line);
}

} // namespace pocketrix
