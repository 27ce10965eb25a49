// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What poppler's tools read from a PDF file: its text, laid out as on the page, and its
// document information (page count, page size).

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

#include <vector>

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

// One word of a page with its box in points, as pdftotext -bbox reports it.
struct PdfRec
{
    QString tekst;
    int strana;
    double xMin, yMin, xMax, yMax;
};

inline std::vector<PdfRec> pdfReci(const QString &path)
{
    const QString html = pokreni(
        QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), path, QStringLiteral("-") });
    std::vector<PdfRec> reci;
    int strana = 0;
    static const QRegularExpression oznaka(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = oznaka.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).isEmpty()) {
            ++strana;
            continue;
        }
        reci.push_back({ m.captured(5), strana, m.captured(1).toDouble(), m.captured(2).toDouble(),
            m.captured(3).toDouble(), m.captured(4).toDouble() });
    }
    return reci;
}
