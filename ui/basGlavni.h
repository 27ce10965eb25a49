// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// basGlavni: what every numeric entry field of every window shares. The key filter
// KontrolaTastera works on classic character codes (its rule lives in core/UnosBroja);
// NumericField maps Qt's key events onto those codes and adds the other rules: what an edit may
// leave in the field (a comma is a decimal point, the length limit), the whole text is selected
// on entry, and an empty field cannot be left by Tab, Shift+Tab or a click on another control.

#include "core/UnosBroja.h"

#include <QString>

#include <optional>

class QKeyEvent;
class QLineEdit;

namespace basGlavni {

using UnosBroja::kodBackspace;
using UnosBroja::kodEnter;
using UnosBroja::kodEscape;
using UnosBroja::kodTab;

// Lets through a digit, Backspace, or a "." while the text holds none, a "," as that ".";
// returns the character the field takes and 0 (with the system beep) for every other character.
int KontrolaTastera(int key, const QString &text);

// The classic character code of a key press: Ctrl+A..Ctrl+Z are 1..26, Backspace 8, Tab 9,
// Enter 13, Escape 27, otherwise the printable character. Keys that produce no character
// (Delete, arrows, Home, End, function keys, a lone modifier) give nothing.
std::optional<int> kodZnaka(const QKeyEvent &event);

} // namespace basGlavni

namespace NumericField {

// Gives field the numeric entry behaviour. maxLength limits what the user types or pastes, never
// what the program writes with setText().
void attach(QLineEdit *field, int maxLength);

// The field's value by the entry rule: nothing for the empty text, a lone "." or pasted text
// that is not a number.
std::optional<double> value(const QLineEdit *field);

// Puts the focus into the field with its whole text selected, as after a refused entry.
void focus(QLineEdit *field);

} // namespace NumericField
