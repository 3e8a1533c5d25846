#include "controls/accessiblecontrols.h"

#include <algorithm>
#include <array>

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>

#include "controls/monthcalendar.h"

namespace pocketrix {

namespace {

int childIndex(GridCell cell) { return cell.row * kGridColumns + cell.column; }

// A day cell named by its date, a blank cell, or a header cell named by its weekday.
class CalendarCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CalendarCell(MonthCalendar* calendar, GridCell cell) : m_calendar(calendar), m_cell(cell) {}

    bool isValid() const override { return !m_calendar.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_calendar); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Name ? m_calendar->cellName(m_cell) : QString();
    }
    void setText(QAccessible::Text /*text*/, const QString& /*value*/) override {}
    QRect rect() const override
    {
        const QRect cell = m_calendar->cellRect(m_cell);
        return {m_calendar->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return m_cell.row == 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_calendar->isVisible();
        state.focusable = state.selectable = m_calendar->model().dayAt(m_cell) != 0;
        state.selected = isSelected();
        state.focused = state.selected && m_calendar->hasFocus();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && m_cell.row > 0
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return m_cell == m_calendar->selectedCell(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {parent()->child(m_cell.column)}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_cell.column; }
    int rowIndex() const override { return m_cell.row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<MonthCalendar> m_calendar;
    GridCell m_cell;
};

// The grid as a table of six week rows under a row of column headers; its children are
// the header cells and then the week rows' cells, row by row.
class CalendarTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CalendarTable(MonthCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::Table) {}
    ~CalendarTable() override
    {
        for (const QAccessible::Id id : m_cells)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return static_cast<int>(m_cells.size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id& id = m_cells[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new CalendarCell(calendar(), {index % kGridColumns, index / kGridColumns}));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* found = std::find_if(m_cells.begin(), m_cells.end(), [child](QAccessible::Id id) {
            return id != 0 && QAccessible::accessibleInterface(id) == child;
        });
        return found == m_cells.end() ? -1 : static_cast<int>(found - m_cells.begin());
    }
    QAccessibleInterface* focusChild() const override { return calendar()->hasFocus() ? selectedChild() : nullptr; }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < kGridColumns
                   ? child(childIndex({column, row + 1}))
                   : nullptr;
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override { return {selectedChild()}; }
    QString columnDescription(int column) const override { return calendar()->cellName({column, 0}); }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kGridColumns; }
    int rowCount() const override { return kGridRows - 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

private:
    MonthCalendar* calendar() const { return static_cast<MonthCalendar*>(widget()); }
    QAccessibleInterface* selectedChild() const { return child(childIndex(calendar()->selectedCell())); }

    mutable std::array<QAccessible::Id, std::size_t{kGridColumns} * kGridRows> m_cells{};
};

// Named by its label through the buddy relation, as QAccessibleWidget names any widget;
// its choice is its value, and over AT-SPI, which has no text value, its read-only text.
// The list it drops down stays its child.
class LabelledComboBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelledComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(text);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == box()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->currentText().size()); }
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String("pocketrix::MonthCalendar"))
        return new CalendarTable(static_cast<MonthCalendar*>(object));
    if (className == QLatin1String("QComboBox"))
        return new LabelledComboBox(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = (QAccessible::installFactory(accessibleControl), true);
    (void)installed;
}

} // namespace pocketrix
