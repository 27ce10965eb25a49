#pragma once

// Writing a listing to its text file: every line as its bytes followed by CR LF, with no header,
// no byte-order mark and nothing after the last line end. The program's one save routine
// (output/SaveFile) writes the bytes.

#include <QString>
#include <QStringList>

namespace ListingFile {

// Writes lines to path, replacing any file of that name; a failed save leaves the old file as it
// was. Returns false with the system's reason when the file cannot be written.
bool write(const QString &path, const QStringList &lines, QString *reason);

} // namespace ListingFile
