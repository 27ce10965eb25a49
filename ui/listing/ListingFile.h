#pragma once

// A listing's text file: every line as its bytes followed by CR LF, with no header, no byte-order
// mark and nothing after the last line end. The program's one save routine (output/SaveFile)
// writes the bytes.

#include <QByteArray>
#include <QStringList>

namespace ListingFile {

QByteArray bytes(const QStringList &lines);

} // namespace ListingFile
