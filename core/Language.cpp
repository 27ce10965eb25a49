// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"

#include <array>

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
