#include "pages/warning.h"

#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "ui_warning.h"

namespace pocketrix {

TForm4::TForm4(WindowSet& windows, ErrorRule& errors) : ui(std::make_unique<Ui::Form4>()), m_windows(windows)
{
    ui->setupUi(this);
    errors.bindHandler(ui->Button1, &QPushButton::clicked, this, &TForm4::Button1Click);

    finishWindow(this);
    fitToText(ui->Label1, true);
}

TForm4::~TForm4() = default;

void TForm4::Button1Click(QObject* /*sender*/) { m_windows.hide(this); }

PieGauge* TForm4::gauge() const { return ui->Gauge1; }

} // namespace pocketrix
