// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// SaveFile: the one way the program writes a file, for every file it writes. A save never blocks
// and never leaves a half-written file in place of a good one where the system allows otherwise;
// when it fails, it says why in the system's own words.

#include <QByteArray>
#include <QString>

namespace SaveFile {

struct Result
{
    bool saved = false;
    QString reason; // why it was not saved, in the system's words; empty when saved

    explicit operator bool() const { return saved; }
};

// Writes bytes to path, replacing whatever the file held.
// - A regular file, or a new one, is replaced only once the new one is completely written, so a
//   failed save leaves the old file as it was. Where the folder refuses the new file but the file
//   itself may be written, the file is overwritten in place instead; a failed write there puts
//   the old contents back.
// - A device or a named pipe is written in place. It is opened without waiting: a pipe that no
//   one reads fails at once instead of holding the program.
[[nodiscard]] Result write(const QString &path, const QByteArray &bytes);

} // namespace SaveFile
