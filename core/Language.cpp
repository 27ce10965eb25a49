// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"

#include <array>

namespace {

TextTranslator installed = nullptr;

} // namespace

void setTextTranslator(TextTranslator translator)
{
    installed = translator;
}

std::string translatedText(std::string_view context, std::string_view source)
{
    return installed ? installed(context, source) : std::string(source);
}

std::string argText(std::string text, std::string_view value)
{
    for (char n = '1'; n <= '9'; ++n) {
        if (const auto at = text.find(std::string { '%', n }); at != std::string::npos) {
            text.replace(at, 2, value);
            break;
        }
    }
    return text;
}

Language languageFor(std::string_view tag)
{
    // The language code ends where a region, script, encoding or modifier begins.
    const std::string_view code = tag.substr(0, tag.find_first_of("-_.@"));
    constexpr std::array<std::string_view, 6> serbian { "sr", "hr", "bs", "cnr", "C", "POSIX" };
    for (std::string_view s : serbian) {
        if (code == s)
            return Language::Serbian;
    }
    // No language at all is the C locale.
    return code.empty() ? Language::Serbian : Language::English;
}
