#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class CalendarPage;
}

namespace pocketrix {

class CalendarPage : public QWidget {
    Q_OBJECT
public:
    explicit CalendarPage(QWidget* parent = nullptr);
    ~CalendarPage() override;

    void attach(PageContext& context);

private:
    std::unique_ptr<Ui::CalendarPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
