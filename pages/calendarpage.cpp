#include "pages/calendarpage.h"

#include <QAbstractItemView>
#include <QSignalBlocker>

#include "app/core/datetimeformat.h"
#include "app/core/reminderfile.h"
#include "app/core/timetext.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "controls/monthcalendar.h"
#include "pages/remind.h"
#include "ui_calendarpage.h"

namespace pocketrix {

namespace {

// The locale's long date, as the title bar shows it.
QString longDate(const CalendarDate& date, const LocaleValues& locale)
{
    const ClockReading day{.year = date.year,
                           .month = date.month,
                           .day = date.day,
                           .dayOfWeek = weekdayOf(date.year, date.month, date.day)};
    return QString::fromStdString(formatDateTime("dddddd", day, locale));
}

} // namespace

CalendarPage::CalendarPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::CalendarPage>())
{
    ui->setupUi(this);
    ui->UpDown1->setRange(1700, 2300);
    ui->UpDown1->setPosition(1997); // the definition's year, until start-up shows the calendar's
    ui->UpDown1->setBuddy(ui->Edit1);
    ui->UpDown1->setAccessibleNames(QStringLiteral("Year up"), QStringLiteral("Year down"));
    ui->ComboBox1->view()->setAccessibleName(ui->Label1->text()); // the list it drops down
    connect(ui->Calendar1, &MonthCalendar::OnChange, this, &CalendarPage::nameCalendar);
}

CalendarPage::~CalendarPage() = default;

MonthCalendar* CalendarPage::calendar() const { return ui->Calendar1; }

void CalendarPage::attach(PageContext& context)
{
    m_context = &context;
    // Only a change of the month runs its handler: picking the month already chosen
    // does not, and the program's own selection is made with the handler blocked.
    context.errors.bindHandler(ui->ComboBox1, &QComboBox::currentIndexChanged, this, &CalendarPage::ComboBox1Change);
    // A year the calendar refuses ends the spinner's repeat there.
    context.errors.bindHandler(ui->Edit1, &QLineEdit::textChanged, this, &CalendarPage::Edit1Change,
                               [this] { ui->UpDown1->stopRepeating(); });
    context.errors.bindHandler(ui->Button3, &QPushButton::clicked, this, &CalendarPage::Button3Click);
    ui->Calendar1->setShortDayNames(context.services.locale.shortDayNames);
    ui->Calendar1->setDateNamer(
        [&locale = context.services.locale](const CalendarDate& date) { return longDate(date, locale); });
    // A clock past the calendar's last day is told by the error rule, not thrown out of
    // the main window's construction.
    context.errors.runGuarded([&] { ui->Calendar1->setToday(context.services.clock.now()); });
}

void CalendarPage::initialise()
{
    {
        const QSignalBlocker programSelection(ui->ComboBox1);
        ui->ComboBox1->setCurrentIndex(ui->Calendar1->Month() - 1);
    }
    ui->UpDown1->setPosition(ui->Calendar1->Year());
    ui->Edit1->setText(QString::fromStdString(integerText(ui->Calendar1->Year())));
    nameCalendar();
}

// Screen readers announce the grid by its date, in the locale's long form.
void CalendarPage::nameCalendar()
{
    if (m_context != nullptr)
        ui->Calendar1->setAccessibleName(longDate(ui->Calendar1->model().date(), m_context->services.locale));
}

void CalendarPage::recordToday()
{
    recordStartDate(m_context->state, ui->Calendar1->Year(), ui->Calendar1->Month(), ui->Calendar1->Day());
}

void CalendarPage::ComboBox1Change(QObject* /*sender*/) { ui->Calendar1->setMonth(ui->ComboBox1->currentIndex() + 1); }

void CalendarPage::Edit1Change(QObject* /*sender*/) { ui->Calendar1->setYear(ui->UpDown1->position()); }

void CalendarPage::Button3Click(QObject* /*sender*/)
{
    TForm3* form3 = m_context->others.reminder;
    if (form3 == nullptr || form3->isVisible())
        return;
    const CalendarDate& day = ui->Calendar1->model().date();
    form3->setTarget(reminderFileName(day.year, day.month, day.day),
                     longDate(day, m_context->services.locale).toStdString());
    m_context->windows.show(form3);
}

} // namespace pocketrix
