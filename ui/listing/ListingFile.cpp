#include "ui/listing/ListingFile.h"

namespace ListingFile {

QByteArray bytes(const QStringList &lines)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += line.toLatin1(); // every character a listing holds is ASCII
        data += "\r\n";
    }
    return data;
}

} // namespace ListingFile
