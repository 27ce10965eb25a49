// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's two languages: Serbian, in which every text is written, and English, its
// translation in translations/kelvane_en.ts. The windows translate through Qt's tr(), the command
// line through a catalogue generated from the same file, so one rule picks the language for both.

#include <string>
#include <string_view>

// Marks a Serbian text that core hands out for translation and returns it unchanged; the
// catalogue's update reads it as QT_TRANSLATE_NOOP(context, text).
#define KELVANE_TEXT(context, text) text

enum class Language { Serbian, English };

// The language for the user's first preferred language, given as a tag the way Qt ("sr-RS",
// "en-Latn-US") or the environment ("sr_RS.UTF-8@latin", "C") writes it: Serbian for Serbian,
// Croatian, Bosnian and Montenegrin, and for the C or POSIX locale; English for any other.
Language languageFor(std::string_view tag);

// The sentences core composes itself (the exact envelopes' summary, positions and notes) are
// translated through the function the program installs: the windows route it to Qt's translate,
// kelvane-calc to its catalogue. None installed, or nullptr: the Serbian source.
using TextTranslator = std::string (*)(std::string_view context, std::string_view source);
void setTextTranslator(TextTranslator translator);
std::string translatedText(std::string_view context, std::string_view source);

// text with its lowest-numbered marker (%1, then %2, ...) replaced by value, as QString::arg.
std::string argText(std::string text, std::string_view value);
