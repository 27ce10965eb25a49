// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Catalogue.h"

#include <algorithm>
#include <cstdlib>

namespace Catalogue {

namespace {

Language chosen = Language::Serbian;

} // namespace

void setLanguage(Language language)
{
    chosen = language;
    setTextTranslator(language == Language::English ? &translate : nullptr);
}

// Qt lists LANGUAGE's entries first, even under the C locale, then the locale of LC_ALL,
// LC_MESSAGES or LANG, the first of them that is set; the first entry decides.
Language languageFromEnvironment()
{
    for (const char *name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char *value = std::getenv(name);
        if (value && *value) {
            const std::string_view v(value);
            return languageFor(v.substr(0, v.find(':')));
        }
    }
    return Language::Serbian;
}

std::string translate(std::string_view context, std::string_view source)
{
    if (chosen == Language::Serbian)
        return std::string(source);
    const auto entries = englishCatalogue();
    const auto key = [](const CatalogueEntry &e) { return std::pair(e.context, e.source); };
    const auto it = std::lower_bound(entries.begin(), entries.end(), std::pair(context, source),
        [&key](const CatalogueEntry &e, const auto &k) { return key(e) < k; });
    if (it != entries.end() && it->context == context && it->source == source)
        return std::string(it->translation);
    return std::string(source);
}

std::string arg(std::string text, std::string_view value)
{
    return argText(std::move(text), value);
}

} // namespace Catalogue
