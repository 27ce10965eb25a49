// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What poppler's tools read from a PDF file: its text, laid out as on the page, and its
// document information (page count, page size).

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

inline QString pokreni(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text with each line of the page on a line of its own, columns separated by blanks.
inline QString pdfTekst(const QString &path)
{
    return pokreni(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
}

inline QString pdfInfo(const QString &path)
{
    return pokreni(QStringLiteral("pdfinfo"), { path });
}
