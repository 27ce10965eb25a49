#include "ui/listing/ListingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace ListingFile {

namespace {

QByteArray bytes(const QStringList &lines)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += line.toLatin1(); // every character a listing holds is ASCII
        data += "\r\n";
    }
    return data;
}

// After a short write Qt's device keeps no reason of its own; the failing call left it in errno.
QString writeReason(const QFileDevice &file, int error)
{
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
}

bool fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

// A device or a pipe cannot be replaced by renaming a finished file onto it (and a privileged
// user would replace the device node itself); it is written in place.
bool writeInPlace(const QString &path, const QByteArray &data, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(reason, file.errorString());
    errno = 0;
    if (file.write(data) != data.size() || !file.flush())
        return fail(reason, writeReason(file, errno));
    return true;
}

} // namespace

bool write(const QString &path, const QStringList &lines, QString *reason)
{
    const QByteArray data = bytes(lines);
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, data, reason);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(reason, file.errorString());
    // commit() does not notice a failure of the final flush, so the bytes are flushed here; an
    // uncommitted QSaveFile removes its temporary file and leaves the old file alone.
    errno = 0;
    if (file.write(data) != data.size() || !file.flush())
        return fail(reason, writeReason(file, errno));
    if (!file.commit())
        return fail(reason, file.errorString());
    return true;
}

} // namespace ListingFile
