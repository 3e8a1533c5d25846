#pragma once

#include <QImage>
#include <QString>

namespace pocketrix {

// Reads a picture the program carries, a Windows bitmap among its resources. Its format
// is named rather than guessed: guessing asks each of Qt's image plugins about every picture.
QImage readBitmap(const QString& path);

} // namespace pocketrix
