// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The columns and rows of a table of the input checks, shared by the rule's own test and the input
// window's: the four typed texts, the messages in order, the texts after the checks and the inputs
// of the calculation (none when refused). Texts are given as "206, 208, 5, 9".

#include <QList>
#include <QStringList>
#include <QTest>

inline void koloneProvere()
{
    QTest::addColumn<QStringList>("typed"); // P1, P2, e, L
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QList<double>>("computed");
}

inline void redProvere(const char *tag, const char *typed, const QStringList &messages,
    const char *after, const QList<double> &computed = {})
{
    const QString comma = QStringLiteral(", ");
    QTest::newRow(tag) << QString::fromLatin1(typed).split(comma) << messages
                       << QString::fromLatin1(after).split(comma) << computed;
}
