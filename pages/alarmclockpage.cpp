#include "pages/alarmclockpage.h"

#include "ui_alarmclockpage.h"

namespace pocketrix {

AlarmClockPage::AlarmClockPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::AlarmClockPage>())
{
    ui->setupUi(this);
}

AlarmClockPage::~AlarmClockPage() = default;

void AlarmClockPage::attach(PageContext& context) { m_context = &context; }

} // namespace pocketrix
