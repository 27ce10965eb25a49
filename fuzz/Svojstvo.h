// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every fuzz target shares: a property that fails prints what failed and the input, then
// aborts, so that libFuzzer reports it like a crash and keeps the input as an artifact.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void svojstvo(bool vazi, const char *opis, std::string_view ulaz)
{
    if (vazi)
        return;
    std::fprintf(stderr, "property failed: %s\ninput (%zu bytes): \"", opis, ulaz.size());
    for (const unsigned char c : ulaz) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

inline std::string_view kaoTekst(const std::uint8_t *data, std::size_t size)
{
    return { reinterpret_cast<const char *>(data), size };
}
