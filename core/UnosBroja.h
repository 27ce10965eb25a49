// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry rule of a numeric field without Qt: the classic key filter KontrolaTastera, what the
// field keeps of a change (commas become decimal points, the length limit), and an edit model of a
// field (text, cursor, selection) that the fuzzer drives through keystrokes and pastes. The windows
// apply the same two rules through ui/basGlavni; QLineEdit carries out the edits there.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace UnosBroja {

inline constexpr int kodBackspace = 8;
inline constexpr int kodTab = 9;
inline constexpr int kodEnter = 13;
inline constexpr int kodEscape = 27;

// The character the field takes for a typed character code: a digit, Backspace, or a "." while
// the text holds none; a "," is that decimal point too (the Serbian decimal sign). 0 for every
// other code: the key is refused.
int KontrolaTastera(int kod, std::u16string_view tekst);

// The text the field keeps after an edit turned stari into novi, or nothing when the edit is
// refused: every "," becomes "."; a text longer than maxDuzina is refused unless it is shorter
// than before (a longer text the program wrote may be shortened, never lengthened).
std::optional<std::u16string> izmena(
    std::u16string_view stari, std::u16string_view novi, std::size_t maxDuzina);

// A field as an edit sees it, positions in UTF-16 units like QLineEdit's: the selection runs
// between sidro and kursor, none when they are equal.
struct Polje
{
    std::u16string tekst;
    std::size_t kursor = 0;
    std::size_t sidro = 0;
};

// A key press with its classic code: refused by the filter or the length limit (nothing), or the
// field after it. Backspace deletes the selection or the character before the cursor; a character
// replaces the selection.
std::optional<Polje> otkucaj(const Polje &polje, int kod, std::size_t maxDuzina);

// Pasted text (or a drop) replaces the selection, under izmena's rule.
std::optional<Polje> nalepi(const Polje &polje, std::u16string_view umetak, std::size_t maxDuzina);

} // namespace UnosBroja
