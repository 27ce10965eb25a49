// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading and writing whole files in the tests that check what a window saved.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray sadrzaj(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing>");
    return file.readAll();
}

inline void upisiDatoteku(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
