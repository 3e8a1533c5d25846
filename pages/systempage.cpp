#include "pages/systempage.h"

#include "ui_systempage.h"

namespace pocketrix {

SystemPage::SystemPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SystemPage>()) { ui->setupUi(this); }

SystemPage::~SystemPage() = default;

void SystemPage::attach(PageContext& context) { m_context = &context; }

} // namespace pocketrix
