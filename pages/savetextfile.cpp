#include "pages/savetextfile.h"

#include <QSaveFile>

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
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw Error("Stream write error");
    }
    if (!file.commit())
        throw Error("Stream write error");
}

} // namespace pocketrix
