// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// NumberText's formats as Qt text, for the windows and the sheet: the one place where Qt code
// turns the core's texts into QString.

#include "core/NumberText.h"

#include <QString>

#include <string>

inline QString qtekst(const std::string &s)
{
    return QString::fromStdString(s);
}

// "#0.00", as every window shows a value.
inline QString dve(double value)
{
    return qtekst(NumberText::dve(value));
}

// "#0.000", as the listings show a section.
inline QString tri(double value)
{
    return qtekst(NumberText::tri(value));
}
