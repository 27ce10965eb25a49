// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every window that saves a file shares: the question for the file's path, asked in Qt's own
// save dialog, and the write through the program's one save routine, with the message that names
// the file and the system's reason when it cannot be written.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

class SaveQuestion
{
public:
    // The dialog is named name, carries title and offers offeredName with the extension suffix
    // (added when the user types none).
    SaveQuestion(QWidget *parent, const char *name, const QString &title,
        const QString &offeredName, const QString &suffix);

    // The chosen path, or the empty text when the user cancels. The dialog is created at the first
    // question and kept for the window's life; each question offers the path chosen last.
    QString ask();

private:
    QWidget *m_parent;
    const char *m_name;
    QString m_title;
    QString m_offered;
    QString m_suffix;
    QFileDialog *m_dialog = nullptr;
};

// Writes bytes to path through the one save routine; on failure shows over parent the caption and
// "<what> nije snimljen u datoteku <path>." with the system's reason. True when written.
bool saveWithMessage(QWidget *parent, const QString &path, const QByteArray &bytes,
    const QString &caption, const QString &what);

// A listing's lines (and the CSV table of the exact envelopes) with the listings' message.
bool saveLines(QWidget *parent, const QString &path, const QStringList &lines);
