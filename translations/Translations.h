// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows' language: Serbian is the language of the texts in the code; English is the
// translation compiled from translations/kelvane_en.ts and embedded in the program.

#include "core/Language.h"

// The language of the user's first preferred language as Qt reads it from the system.
Language systemLanguage();

// Makes every later tr() answer in language: installs the English translation, or removes it for
// Serbian. False when the translation cannot be loaded.
bool useLanguage(Language language);
