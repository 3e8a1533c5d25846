#include "pages/worldtimepage.h"

#include "ui_worldtimepage.h"

namespace pocketrix {

WorldTimePage::WorldTimePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::WorldTimePage>())
{
    ui->setupUi(this);
}

WorldTimePage::~WorldTimePage() = default;

void WorldTimePage::attach(PageContext& context) { m_context = &context; }

} // namespace pocketrix
