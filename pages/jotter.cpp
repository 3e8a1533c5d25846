#include "pages/jotter.h"

#include <QPalette>

#include "app/shell/definition.h"
#include "ui_jotter.h"

namespace pocketrix {

TForm5::TForm5(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Form5>())
{
    ui->setupUi(this);
    finishWindow(this);
}

TForm5::~TForm5() = default;

void TForm5::setColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

QPlainTextEdit* TForm5::memo() const { return ui->Memo1; }

} // namespace pocketrix
