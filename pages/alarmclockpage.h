#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class AlarmClockPage;
}

namespace pocketrix {

class AlarmClockPage : public QWidget {
    Q_OBJECT
public:
    explicit AlarmClockPage(QWidget* parent = nullptr);
    ~AlarmClockPage() override;

    void attach(PageContext& context);

private:
    std::unique_ptr<Ui::AlarmClockPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
