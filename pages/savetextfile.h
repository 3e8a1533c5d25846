#pragma once

#include <QByteArray>
#include <QString>

namespace pocketrix {

// Replaces a file with bytes as one atomic step: they go to a temporary file beside it,
// which is flushed, synced and renamed over the name only when all went well, so a
// failure keeps the old file whole. Raises "Cannot create file %s" with the name when the
// file cannot be created, and "Stream write error" when the bytes cannot all be written.
void saveTextFile(const QString& fileName, const QByteArray& bytes);

} // namespace pocketrix
