#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class ProgramsPage;
}

namespace pocketrix {

// The Programs page: picture buttons that start the companion programs and open Jotters.
// `SpeedButton2` and `SpeedButton6` start "lookabt.exe" and "cogitron.exe";
// `SpeedButton3`, `SpeedButton4` and `SpeedButton7` name applications apart from
// Pocketrix; `SpeedButton8` opens a Jotter.
class ProgramsPage : public QWidget {
    Q_OBJECT
public:
    explicit ProgramsPage(QWidget* parent = nullptr);
    ~ProgramsPage() override;

    void attach(PageContext& context);

    void SpeedButton2Click(QObject* sender);
    void SpeedButton3Click(QObject* sender);
    void SpeedButton4Click(QObject* sender);
    void SpeedButton6Click(QObject* sender);
    void SpeedButton7Click(QObject* sender);
    void SpeedButton8Click(QObject* sender);

    // Raises the reminder flag when today's reminder file is there and readable (at start-up).
    void noticeTodaysReminder();
    // Raises it when the reminder window has just written today's file.
    void reminderWritten(const std::string& fileName);

private:
    void startProgram(const std::string& fileName);
    void notPartOfPocketrix(const QString& application);
    void setReminderPending(bool pending);

    std::unique_ptr<Ui::ProgramsPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
