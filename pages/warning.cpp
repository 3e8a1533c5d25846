#include "pages/warning.h"

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "ui_warning.h"

namespace pocketrix {

TForm4::TForm4(WindowSet& windows, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form4>()), m_windows(windows)
{
    ui->setupUi(this);
    finishWindow(this);
}

TForm4::~TForm4() = default;

} // namespace pocketrix
