#include "controls/piegauge.h"

#include <algorithm>

#include <QPainter>

#include "controls/piegeometry.h"

namespace pocketrix {

PieGauge::PieGauge(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is drawn, so nothing behind the gauge needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    nameByPercent();
}

void PieGauge::nameByPercent() { setAccessibleName(QStringLiteral("%1% used").arg(shownPercent())); }

int PieGauge::shownPercent() const { return pocketrix::shownPercent(m_progress, m_minValue, m_maxValue); }

void PieGauge::setProgress(std::int32_t value)
{
    const int before = shownPercent();
    m_progress = std::clamp(value, m_minValue, std::max(m_minValue, m_maxValue));
    if (shownPercent() == before)
        return;
    nameByPercent();
    if (isVisible())
        repaint();
}

void PieGauge::setMinValue(std::int32_t value)
{
    m_minValue = value;
    m_progress = std::clamp(m_progress, m_minValue, std::max(m_minValue, m_maxValue));
    nameByPercent();
    update();
}

void PieGauge::setMaxValue(std::int32_t value)
{
    m_maxValue = value;
    m_progress = std::clamp(m_progress, std::min(m_minValue, m_maxValue), m_maxValue);
    nameByPercent();
    update();
}

void PieGauge::setForeColor(const QColor& color)
{
    m_foreColor = color;
    update();
}

void PieGauge::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void PieGauge::setSingleBorder(bool single)
{
    m_singleBorder = single;
    update();
}

QImage PieGauge::compose() const
{
    // Drawn at the screen's pixel density, so a scaled desktop gets a sharp edge rather
    // than an enlarged 96-dpi picture.
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    const PieRect rect = paintRect(width(), height(), m_singleBorder);
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return image;

    QPainter painter(&image);
    const QRect area(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    painter.fillRect(area, palette().color(QPalette::Window));

    // A 1-pixel pen centred half a pixel inside keeps the outline within the area.
    const QRectF box = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(m_foreColor, 1));
    painter.setBrush(m_backColor);
    painter.drawEllipse(box);

    const int percent = shownPercent();
    if (percent > 0) {
        const PieAngles angles = pieAngles(rect, pieStartPoint(rect, percent), pieEndPoint(rect));
        painter.setBrush(m_foreColor);
        if (angles.span >= 360 * 16)
            painter.drawEllipse(box);
        else
            painter.drawPie(box, angles.start, angles.span);
    }
    return image;
}

void PieGauge::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, compose());
}

} // namespace pocketrix
