#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace pocketrix {

// A picture drawn stretched to the control's size. It keeps the picture as it is stored
// (a 16-colour bitmap takes a byte a pixel) and makes the stretched copy only when it is
// first drawn, so a page that is never shown costs little.
class StretchedPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    using QWidget::QWidget;

    // The picture, by the resource path a definition names.
    QString picture() const { return m_path; }
    void setPicture(const QString& path);
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_path;
    QImage m_image;
    QPixmap m_stretched;
};

} // namespace pocketrix
