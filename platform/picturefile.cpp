#include "platform/picturefile.h"

#include <QImageReader>

namespace pocketrix {

QImage readBitmap(const QString& path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace pocketrix
