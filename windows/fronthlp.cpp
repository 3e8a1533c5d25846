#include "windows/fronthlp.h"

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "ui_fronthlp.h"

namespace pocketrix {

THelpful::THelpful(WindowSet& windows, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Helpful>()), m_windows(windows)
{
    ui->setupUi(this);
    finishWindow(this);
}

THelpful::~THelpful() = default;

} // namespace pocketrix
