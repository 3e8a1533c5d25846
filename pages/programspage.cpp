#include "pages/programspage.h"

#include <QPlainTextEdit>

#include "app/core/reminderfile.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/jotter.h"
#include "pages/jottercolours.h"
#include "platform/programstart.h"
#include "ui_programspage.h"

namespace pocketrix {

ProgramsPage::ProgramsPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ProgramsPage>())
{
    ui->setupUi(this);
}

ProgramsPage::~ProgramsPage() = default;

void ProgramsPage::attach(PageContext& context)
{
    m_context = &context;
    ErrorRule& errors = context.errors;
    errors.bindHandler(ui->SpeedButton2, &QToolButton::clicked, this, &ProgramsPage::SpeedButton2Click);
    errors.bindHandler(ui->SpeedButton3, &QToolButton::clicked, this, &ProgramsPage::SpeedButton3Click);
    errors.bindHandler(ui->SpeedButton7, &QToolButton::clicked, this, &ProgramsPage::SpeedButton7Click);
    errors.bindHandler(ui->SpeedButton4, &QToolButton::clicked, this, &ProgramsPage::SpeedButton4Click);
    errors.bindHandler(ui->SpeedButton6, &QToolButton::clicked, this, &ProgramsPage::SpeedButton6Click);
    errors.bindHandler(ui->SpeedButton8, &QToolButton::clicked, this, &ProgramsPage::SpeedButton8Click);
}

void ProgramsPage::startProgram(const std::string& fileName)
{
    if (ProgramStarter* programs = m_context->services.programs) // none in the picture tools
        programs->start(fileName);
}

void ProgramsPage::SpeedButton2Click(QObject* /*sender*/) { startProgram("lookabt.exe"); }

void ProgramsPage::SpeedButton6Click(QObject* /*sender*/) { startProgram("cogitron.exe"); }

void ProgramsPage::SpeedButton3Click(QObject* /*sender*/) { notPartOfPocketrix(QStringLiteral("Dialfolio")); }

void ProgramsPage::SpeedButton4Click(QObject* /*sender*/) { notPartOfPocketrix(QStringLiteral("Swapulator")); }

void ProgramsPage::SpeedButton7Click(QObject* /*sender*/) { notPartOfPocketrix(QStringLiteral("Sumbright")); }

void ProgramsPage::notPartOfPocketrix(const QString& application)
{
    m_context->errors.inform(application + QStringLiteral(" is a separate application; it is not part of Pocketrix."));
}

void ProgramsPage::SpeedButton8Click(QObject* /*sender*/)
{
    ClockState& state = m_context->state;
    // Owned by the main window: every Jotter lives until the program ends.
    auto* jotter = new TForm5(window());
    m_context->windows.track(jotter);
    const JotterColouring colouring = nextJotterColouring(state.JotterCount);
    state.JotterCount = colouring.count;
    if (colouring.colour)
        jotter->setColour(*colouring.colour);
    jotter->memo()->clear();
    if (state.ReminderPending == 1) {
        jotter->setWindowTitle(QStringLiteral("Jotter - Reminder!"));
        // A file that cannot be read, or that another instance took first, leaves this
        // Jotter hidden and the reminder waiting.
        const std::string text = takeMemoTextFile(state.TodayReminderName.str());
        jotter->memo()->setPlainText(QString::fromStdString(shownText(text)));
        setReminderPending(false);
    }
    m_context->windows.show(jotter);
}

void ProgramsPage::noticeTodaysReminder()
{
    if (isReadableRegularFile(m_context->state.TodayReminderName.str()))
        setReminderPending(true);
}

void ProgramsPage::reminderWritten(const std::string& fileName)
{
    if (!fileName.empty() && fileName == m_context->state.TodayReminderName.str())
        setReminderPending(true);
}

// The Jotter button's tip tells whether the next Jotter brings the reminder.
void ProgramsPage::setReminderPending(bool pending)
{
    m_context->state.ReminderPending = pending ? 1 : 0;
    const QString tip = pending ? QStringLiteral("Jotter - Reminder!") : QStringLiteral("Jotter");
    ui->SpeedButton8->setToolTip(tip);
    ui->SpeedButton8->setAccessibleName(tip);
}

} // namespace pocketrix
