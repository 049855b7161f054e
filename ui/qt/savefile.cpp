#include "savefile.h"

#include <QByteArray>
#include <QSaveFile>

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk shows in write() itself rather than
    // being lost in a buffer flush that commit() does not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
