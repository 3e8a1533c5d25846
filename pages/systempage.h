#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class SystemPage;
}

namespace pocketrix {

// The System page: time since start-up and the free space of the current drive, with
// the low-space warning. It has no handlers of its own; the main window's one-minute
// timer runs its refresh, which reads the check box and the threshold list. `Label4`
// the time since start-up under its caption `Label3`; `Label2` the free space and
// `Gauge1` its pie in `GroupBox1`; `CheckBox1` the warning switch; `ComboBox2` the
// threshold list under its caption `Label28`.
class SystemPage : public QWidget {
    Q_OBJECT
public:
    explicit SystemPage(QWidget* parent = nullptr);
    ~SystemPage() override;

    void attach(PageContext& context);

    // The one-minute refresh.
    void Timer2Timer(QObject* sender);
    // Start-up picks the first threshold once the first refresh has run.
    void selectFirstThreshold();

private:
    std::unique_ptr<Ui::SystemPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
