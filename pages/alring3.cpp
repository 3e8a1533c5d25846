#include "pages/alring3.h"

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "ui_alring3.h"

namespace pocketrix {

TForm2::TForm2(WindowSet& windows, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form2>()), m_windows(windows)
{
    ui->setupUi(this);
    finishWindow(this);
}

TForm2::~TForm2() = default;

} // namespace pocketrix
