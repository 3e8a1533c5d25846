#include "pages/systempage.h"

#include <algorithm>

#include <QAbstractItemView>

#include "app/core/timetext.h"
#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "pages/systemfigures.h"
#include "pages/warning.h"
#include "ui_systempage.h"

namespace pocketrix {

namespace {

void setLabelText(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
    fitToText(label, true);
}

void keepRightOf(QWidget* widget, const QWidget* caption, int gap)
{
    widget->move(std::max(widget->x(), caption->geometry().right() + 1 + gap), widget->y());
}

} // namespace

SystemPage::SystemPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SystemPage>())
{
    ui->setupUi(this);
    ui->ComboBox2->view()->setAccessibleName(ui->Label28->text()); // the list it drops down
}

SystemPage::~SystemPage() = default;

void SystemPage::attach(PageContext& context)
{
    m_context = &context;
    // The frame's style sheet would otherwise hand its texts the application font.
    ui->GroupBox1->setFont(font());
    ui->Label2->setFont(font());
    // The main window has given the page its pixel fonts by now, so the texts measure true.
    for (QLabel* label : {ui->Label3, ui->Label4, ui->Label28, ui->Label2})
        fitToText(label, true);
    // The substitute font runs a little wider than the one the page was drawn with: the
    // check box caption must read whole, and the value after each caption keeps a gap.
    ui->CheckBox1->resize(std::max(ui->CheckBox1->width(), ui->CheckBox1->sizeHint().width()), ui->CheckBox1->height());
    keepRightOf(ui->Label4, ui->Label3, 3);
    keepRightOf(ui->ComboBox2, ui->Label28, 4);
}

void SystemPage::Timer2Timer(QObject* /*sender*/)
{
    ClockState& state = m_context->state;
    const Services& services = m_context->services;

    // One reading serves the text, the pie and the warning, so the three always agree.
    const DriveFigures figures =
        driveFigures(services.drive != nullptr ? services.drive->currentDrive() : DriveSpace{});
    setLabelText(ui->Label2, freeSpaceText(figures));
    ui->Gauge1->setProgress(figures.usedPercent());

    if (const auto threshold = thresholdForItem(ui->ComboBox2->currentIndex()))
        state.ThresholdMB = *threshold;

    // The warning window does not exist yet during the start-up refresh.
    TForm4* warning = m_context->others.warning;
    if (ui->CheckBox1->isChecked() && warning != nullptr && figures.freeMB < state.ThresholdMB) {
        warning->gauge()->setProgress(figures.usedPercent());
        m_context->windows.show(warning);
        ui->CheckBox1->setChecked(false);
    }

    setLabelText(ui->Label4, elapsedText(elapsedMinutes(state.StartTime, currentTimeText(services.clock))));
}

void SystemPage::selectFirstThreshold() { ui->ComboBox2->setCurrentIndex(0); }

} // namespace pocketrix
