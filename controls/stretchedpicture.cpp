#include "controls/stretchedpicture.h"

#include <QPainter>

#include "platform/picturefile.h"

namespace pocketrix {

void StretchedPicture::setPicture(const QString& path)
{
    m_path = path;
    m_image = readBitmap(path);
    m_stretched = {};
    update();
}

void StretchedPicture::paintEvent(QPaintEvent* /*event*/)
{
    if (m_image.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_stretched.size() != pixels) {
        m_stretched = QPixmap::fromImage(m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_stretched.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, m_stretched);
}

} // namespace pocketrix
