#include "windows/sharabout.h"

#include <QBitmap>
#include <QPixmap>
#include <QPushButton>

#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "platform/picturefile.h"
#include "ui_sharabout.h"

namespace pocketrix {

Tsharabout::Tsharabout(WindowSet& windows, ErrorRule& errors)
    : ui(std::make_unique<Ui::sharabout>()), m_windows(windows)
{
    ui->setupUi(this);
    errors.bindHandler(ui->Button1, &QPushButton::clicked, this, &Tsharabout::Button1Click);

    finishWindow(this);
    // The picture is drawn on silver, the button face it was made for; here the window's
    // own face shows through instead.
    QPixmap picture = QPixmap::fromImage(readBitmap(QStringLiteral(":/pictures/aboutpicture.bmp")));
    picture.setMask(picture.createMaskFromColor(QColor(192, 192, 192)));
    ui->Image1->setPixmap(picture);
    fitToText(ui->Label1, true);
}

Tsharabout::~Tsharabout() = default;

void Tsharabout::Button1Click(QObject* /*sender*/) { m_windows.hide(this); }

} // namespace pocketrix
