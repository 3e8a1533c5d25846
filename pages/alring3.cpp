#include "pages/alring3.h"

#include <utility>

#include <QApplication>

#include "app/core/errors.h"
#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/mediaplayer.h"
#include "ui_alring3.h"

namespace pocketrix {

TForm2::TForm2(WindowSet& windows, ErrorRule& errors, DeferredStart& start, WavePlayer& device, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form2>()), m_windows(windows), m_timer1(this),
      m_systemBeep([] { QApplication::beep(); })
{
    ui->setupUi(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    errors.bindHandler(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    errors.bindHandler(&m_timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);

    finishWindow(this);
    fitToText(ui->Label1); // in the window's final font
    windows.track(this, [this] { FormActivate(this); });
    errors.keepClear(this);
    m_timer1.start(1000);

    ui->MediaPlayer1->setDevice(&device);
    ui->MediaPlayer1->setFileName(POCKETRIX_ALARM_SOUND);
    // Reaching the sound output takes a while (a sound server, a device), so it waits
    // until the main window is up. A failed check is told then; each ringing tick tries
    // the sound all the same, with the system beep when none comes.
    connect(ui->MediaPlayer1, &MediaPlayer::openFailed, this,
            [&start](const QString& text) { start.reportAfterStart(text); });
    start.whenStarted([this] { ui->MediaPlayer1->Open(); });
}

TForm2::~TForm2() { ui->MediaPlayer1->Close(); }

void TForm2::FormActivate(QObject* /*sender*/) { startRinging(); }

void TForm2::startRinging()
{
    if (Ringing == 0)
        m_noDeviceReported = false;
    Ringing = 1;
}

void TForm2::Timer1Timer(QObject* /*sender*/)
{
    if (Ringing != 1)
        return;
    try {
        ui->MediaPlayer1->Play();
    } catch (const Error&) {
        // The alarm must still be heard; and a box a second would pile up, so the
        // failure is told once per ringing. Every tick tries the sound again.
        m_systemBeep();
        if (!std::exchange(m_noDeviceReported, true))
            throw;
    }
}

void TForm2::Button1Click(QObject* /*sender*/)
{
    Ringing = 0;
    m_windows.hide(this);
}

} // namespace pocketrix
