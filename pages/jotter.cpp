#include "pages/jotter.h"

#include "app/shell/definition.h"
#include "app/shell/windowset.h"
#include "ui_jotter.h"

namespace pocketrix {

TForm5::TForm5(WindowSet& windows, QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Form5>()), m_windows(windows)
{
    ui->setupUi(this);
    finishWindow(this);
}

TForm5::~TForm5() = default;

} // namespace pocketrix
