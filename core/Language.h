// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's two languages: Serbian, in which every text is written, and English, its
// translation in translations/kelvane_en.ts. The windows translate through Qt's tr(), the command
// line through a catalogue generated from the same file, so one rule picks the language for both.

#include <string_view>

// Marks a Serbian text that core hands out for translation and returns it unchanged; the
// catalogue's update reads it as QT_TRANSLATE_NOOP(context, text).
#define KELVANE_TEXT(context, text) text

enum class Language { Serbian, English };

// The language for the user's first preferred language, given as a tag the way Qt ("sr-RS",
// "en-Latn-US") or the environment ("sr_RS.UTF-8@latin", "C") writes it: Serbian for Serbian,
// Croatian, Bosnian and Montenegrin, and for the C or POSIX locale; English for any other.
Language languageFor(std::string_view tag);
