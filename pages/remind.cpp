#include "pages/remind.h"

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "ui_remind.h"

namespace pocketrix {

TForm3::TForm3(WindowSet& windows, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form3>()), m_windows(windows)
{
    ui->setupUi(this);
    finishWindow(this);
}

TForm3::~TForm3() = default;

} // namespace pocketrix
