#include "pages/programspage.h"

#include "ui_programspage.h"

namespace pocketrix {

ProgramsPage::ProgramsPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ProgramsPage>())
{
    ui->setupUi(this);
}

ProgramsPage::~ProgramsPage() = default;

void ProgramsPage::attach(PageContext& context) { m_context = &context; }

} // namespace pocketrix
