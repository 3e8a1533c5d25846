#include "pages/mainform.h"

#include <utility>

#include <QCloseEvent>
#include <QCoreApplication>

#include "app/core/datetimeformat.h"
#include "app/core/timetext.h"
#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/systempage.h"
#include "platform/localereader.h"
#include "ui_mainform.h"

namespace pocketrix {

Tmainform::Tmainform(const Services& services, WindowSet& windows, ErrorRule& errors)
    : ui(std::make_unique<Ui::mainform>()), m_services(services), m_pages{m_state, m_services, windows, errors, {}}
{
    ui->setupUi(this);
    errors.bindHandler(&m_timer1, &QTimer::timeout, this, &Tmainform::Timer1Timer);
    errors.bindHandler(&m_timer2, &QTimer::timeout, ui->TabSheet2, &SystemPage::Timer2Timer);
    errors.bindHandler(ui->Details1, &QAction::triggered, this, &Tmainform::Details1Click);
    errors.bindHandler(ui->About1, &QAction::triggered, this, &Tmainform::About1Click);

    finishWindow(this);
    // The pages show the button face of the frame around them, the colour their group
    // box and pie gauge are drawn on, rather than the lighter pane the style paints.
    for (int index = 0; index < ui->PageControl1->count(); ++index)
        ui->PageControl1->widget(index)->setAutoFillBackground(true);
    ui->TabSheet1->attach(m_pages);
    ui->TabSheet2->attach(m_pages);
    ui->TabSheet3->attach(m_pages);
    ui->TabSheet4->attach(m_pages);
    ui->TabSheet5->attach(m_pages);
    windows.track(this, [this] { FormActivate(this); });

    // The one-second tick follows the turn of each second, so the title changes within
    // a few milliseconds of the minute.
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &Tmainform::keepTimer1InPhase);
    m_timer2.setInterval(60000);
    keepTimer1InPhase();
    m_timer1.start();
    m_timer2.start();

    errors.runGuarded([this] { FormCreate(this); });
    ui->TabSheet1->noticeTodaysReminder();
}

Tmainform::~Tmainform() = default;

void Tmainform::keepTimer1InPhase() { m_timer1.setInterval(1000 - m_services.clock.now().millisecond + 2); }

void Tmainform::FormCreate(QObject* /*sender*/)
{
    m_state.StartTime = currentTimeText(m_services.clock);
    ui->TabSheet2->Timer2Timer(this);
    Timer1Timer(this);
    ui->TabSheet3->initialise();
    ui->TabSheet5->setAlarmText("00:00");
    m_state.AlarmSet = 0;
    ui->TabSheet2->selectFirstThreshold();
    m_state.JotterCount = 0;
    m_state.ReminderPending = 0;
    ui->TabSheet3->recordToday();
}

void Tmainform::reminderWritten(const std::string& fileName) { ui->TabSheet1->reminderWritten(fileName); }

void Tmainform::FormActivate(QObject* sender) { ui->TabSheet5->cancelUnlessRinging(sender); }

// Ends the event loop at once: no other window is asked to close first.
void Tmainform::FormClose(QObject* /*sender*/) { QCoreApplication::exit(0); }

void Tmainform::Timer1Timer(QObject* /*sender*/)
{
    const ClockReading now = m_services.clock.now();
    m_state.CaptionText = titleDateTimeText(now, m_services.locale);
    if (m_state.CaptionText == m_state.PreviousCaption)
        return;
    m_state.PreviousCaption = m_state.CaptionText.str();
    m_state.titleChangedBefore = std::exchange(m_state.titleChangedAt, now);
    setWindowTitle(QStringLiteral("Pocketrix - ") + QString::fromStdString(m_state.CaptionText.str()));
    ui->TabSheet4->UpdateTime();
    if (m_state.AlarmSet == 1)
        ui->TabSheet5->AlarmCheck(this);
}

void Tmainform::Details1Click(QObject* /*sender*/) { m_pages.windows.show(m_pages.others.help); }

void Tmainform::About1Click(QObject* /*sender*/) { m_pages.windows.show(m_pages.others.about); }

void Tmainform::closeEvent(QCloseEvent* event)
{
    m_pages.errors.runGuarded([this] { FormClose(this); });
    event->accept();
}

void Tmainform::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        reloadFormatItems(m_services.locale);
    QMainWindow::changeEvent(event);
}

} // namespace pocketrix
