// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// kelvane-calc's texts in the user's language without Qt: the English translations of
// translations/kelvane_en.ts, the file the windows' translation is compiled from, as a table that
// the build generates from it.

#include "core/Language.h"

#include <span>
#include <string>
#include <string_view>

struct CatalogueEntry
{
    std::string_view context, source, translation;
};

// Sorted by context, then source; generated.
std::span<const CatalogueEntry> englishCatalogue();

namespace Catalogue {

// The language of every later translate(): from --lang, or else from the environment the way Qt
// reads it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG).
void setLanguage(Language language);
Language languageFromEnvironment();

// The Serbian source text in the chosen language, the source itself when it has no translation.
std::string translate(std::string_view context, std::string_view source);

// text with its lowest-numbered marker (%1, then %2, ...) replaced by value, as QString::arg.
std::string arg(std::string text, std::string_view value);

} // namespace Catalogue
