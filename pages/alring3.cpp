#include "pages/alring3.h"

#include <QApplication>

#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/mediaplayer.h"
#include "ui_alring3.h"

namespace pocketrix {

TForm2::TForm2(WindowSet& windows, WavePlayer& device, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form2>()), m_windows(windows), m_timer1(this),
      m_systemBeep([] { QApplication::beep(); })
{
    ui->setupUi(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    bindHandler(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    bindHandler(&m_timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);

    finishWindow(this);
    ui->Label1->adjustSize(); // sized to its text in the window's final font
    windows.setActivationHandler(this, [this] { FormActivate(this); });
    m_timer1.setInterval(1000);
    m_timer1.start();

    ui->MediaPlayer1->setDevice(&device);
    ui->MediaPlayer1->setFileName(POCKETRIX_ALARM_SOUND);
    // Reaching the sound output takes a while (a sound server, a device), so it waits
    // until the main window is up. Without its sound the window still rings, with the
    // system beep, and the failure is told then.
    connect(ui->MediaPlayer1, &MediaPlayer::openFailed, this,
            [this](const QString& text) { m_windows.reportAfterStart(text); });
    windows.whenStarted([this] {
        try {
            ui->MediaPlayer1->Open();
        } catch (const std::exception& error) {
            m_windows.reportAfterStart(QString::fromStdString(error.what()));
        }
    });
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
    if (!ui->MediaPlayer1->isOpen()) {
        // Reporting the missing device every second would stack a message box per
        // tick; it is told once per ringing and the system beep stands in.
        m_systemBeep();
        if (m_noDeviceReported)
            return;
        m_noDeviceReported = true;
    }
    ui->MediaPlayer1->Play();
    // A refused play request (the output went away) is not reported, but the alarm
    // must still be heard.
    if (ui->MediaPlayer1->lastPlayFailed())
        m_systemBeep();
}

void TForm2::Button1Click(QObject* /*sender*/)
{
    Ringing = 0;
    m_windows.hide(this);
}

} // namespace pocketrix
