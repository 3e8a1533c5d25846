#include "pages/alarmclockpage.h"

#include "app/core/timetext.h"
#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/alarmtime.h"
#include "pages/alring3.h"
#include "ui_alarmclockpage.h"

namespace pocketrix {

AlarmClockPage::AlarmClockPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::AlarmClockPage>())
{
    ui->setupUi(this);
    // The arrows take no click focus, but Tab reaches them, in the order they were
    // defined and before the page's buttons, so the alarm can be set without a mouse.
    for (QToolButton* button : {ui->SpeedButton10, ui->SpeedButton11, ui->SpeedButton12, ui->SpeedButton13})
        button->setFocusPolicy(Qt::TabFocus);
}

AlarmClockPage::~AlarmClockPage() = default;

void AlarmClockPage::attach(PageContext& context)
{
    m_context = &context;
    ErrorRule& errors = context.errors;
    errors.bindHandler(ui->SpeedButton10, &QToolButton::clicked, this, &AlarmClockPage::SpeedButton10Click);
    errors.bindHandler(ui->SpeedButton11, &QToolButton::clicked, this, &AlarmClockPage::SpeedButton10Click);
    errors.bindHandler(ui->SpeedButton12, &QToolButton::clicked, this, &AlarmClockPage::SpeedButton12Click);
    errors.bindHandler(ui->SpeedButton13, &QToolButton::clicked, this, &AlarmClockPage::SpeedButton12Click);
    errors.bindHandler(ui->Button1, &QPushButton::clicked, this, &AlarmClockPage::Button1Click);
    errors.bindHandler(ui->Button2, &QPushButton::clicked, this, &AlarmClockPage::Button2Click);
    fitToText(ui->Label29);
}

void AlarmClockPage::setAlarmText(std::string_view text)
{
    m_context->state.AlarmText = text;
    ui->Label27->setText(QString::fromLatin1(m_context->state.AlarmText.str()));
}

void AlarmClockPage::SpeedButton10Click(QObject* sender)
{
    if (sender == ui->SpeedButton10 || sender == ui->SpeedButton11)
        setAlarmText(stepAlarmHour(m_context->state.AlarmText, sender == ui->SpeedButton10 ? +1 : -1));
}

void AlarmClockPage::SpeedButton12Click(QObject* sender)
{
    if (sender == ui->SpeedButton12 || sender == ui->SpeedButton13)
        setAlarmText(stepAlarmMinute(m_context->state.AlarmText, sender == ui->SpeedButton12 ? +1 : -1));
}

void AlarmClockPage::Button1Click(QObject* /*sender*/)
{
    ui->Button1->hide();
    ui->Button2->show();
    m_context->state.AlarmSet = 1;
}

void AlarmClockPage::Button2Click(QObject* /*sender*/)
{
    m_context->state.AlarmSet = 0;
    ui->Button2->hide();
    ui->Button1->show();
}

void AlarmClockPage::AlarmCheck(QObject* /*sender*/)
{
    const ClockReading now = m_context->services.clock.now();
    ui->Label26->setText(QString::fromStdString(shortTimeText(timeText(now))));
    const ClockState& state = m_context->state;
    if (state.AlarmSet == 1 && (ui->Label26->text() == ui->Label27->text() ||
                                alarmMinuteSkipped(state.titleChangedBefore, now, state.AlarmText)))
        AlarmBeep();
}

void AlarmClockPage::AlarmBeep()
{
    TForm2* ringing = m_context->others.ringing;
    if (ringing == nullptr || ringing->isVisible())
        return;
    // The ringing starts with the showing: a desktop that keeps the focus elsewhere, or a
    // message box that holds it, must not keep the alarm silent.
    ringing->startRinging();
    m_context->windows.show(ringing);
}

void AlarmClockPage::cancelUnlessRinging(QObject* sender)
{
    const TForm2* ringing = m_context->others.ringing;
    if (ringing == nullptr || ringing->Ringing == 0)
        Button2Click(sender);
}

} // namespace pocketrix
