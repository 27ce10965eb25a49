#include "ui/listing/ListingFile.h"

#include "output/SaveFile.h"

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

} // namespace

bool write(const QString &path, const QStringList &lines, QString *reason)
{
    const SaveFile::Result result = SaveFile::write(path, bytes(lines));
    if (!result && reason)
        *reason = result.reason;
    return result.saved;
}

} // namespace ListingFile
