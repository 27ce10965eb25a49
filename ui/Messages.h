// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's message boxes: always modal over the given window, with the given caption.

#include "core/KontroleUnosa.h"

#include <QString>

class QWidget;

namespace Messages {

// Error icon, one OK button.
void error(QWidget *parent, const QString &caption, const QString &text);

// Question icon, Yes and No; true for Yes.
bool question(QWidget *parent, const QString &caption, const QString &text);

// No icon, one OK button.
void plain(QWidget *parent, const QString &caption, const QString &text);

// An error box that shows a check's refusal in the user's language, under the checks' caption.
void refusal(QWidget *parent, KontroleUnosa::Poruka poruka);

} // namespace Messages
