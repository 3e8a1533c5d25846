#include "pages/savetextfile.h"

#include <QSaveFile>

#include <unistd.h>

#include "app/core/errors.h"

namespace pocketrix {

void saveTextFile(const QString& fileName, const QByteArray& bytes)
{
    // Without the fallback, a folder that refuses the temporary file refuses the write
    // instead of having the old file truncated in place.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (fileName.isEmpty() || !file.open(QIODevice::WriteOnly))
        throw Error(withArgument("Cannot create file %s", fileName.toStdString()));
    // The commit neither reports a failed flush of its buffer nor a failed sync, so a
    // full disk would rename an empty file over the old one: both are checked first.
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        throw Error("Stream write error");
    }
    if (!file.commit())
        throw Error("Stream write error");
}

} // namespace pocketrix
