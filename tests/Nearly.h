// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Values that the worked examples give to ten significant digits are compared to that precision;
// values meant to be exact are compared with ==.

#include <QTest>

#include <cmath>

inline bool nearly(double actual, double expected, double relative = 5e-10)
{
    if (expected == 0.0)
        return std::abs(actual) < 1e-12;
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

#define QVERIFY_NEARLY(actual, expected)                                                           \
    QVERIFY2(nearly((actual), (expected)),                                                         \
        qPrintable(QStringLiteral("%1 is %2, expected %3")                                         \
                       .arg(QLatin1String(#actual))                                                \
                       .arg((actual), 0, 'g', 17)                                                  \
                       .arg((expected), 0, 'g', 17)))
