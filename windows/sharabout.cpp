#include "windows/sharabout.h"

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "ui_sharabout.h"

namespace pocketrix {

Tsharabout::Tsharabout(WindowSet& windows, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::sharabout>()), m_windows(windows)
{
    ui->setupUi(this);
    finishWindow(this);
}

Tsharabout::~Tsharabout() = default;

} // namespace pocketrix
