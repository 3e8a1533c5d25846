#include "pages/calendarpage.h"

#include "ui_calendarpage.h"

namespace pocketrix {

CalendarPage::CalendarPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::CalendarPage>())
{
    ui->setupUi(this);
}

CalendarPage::~CalendarPage() = default;

void CalendarPage::attach(PageContext& context) { m_context = &context; }

} // namespace pocketrix
