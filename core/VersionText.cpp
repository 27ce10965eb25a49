// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/VersionText.h"

namespace {

const char *const copyrightAndLicence
    = "Copyright (C) 2026 Kelvane maintainers\n"
      "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace

std::string_view verzija()
{
    return KELVANE_VERSION;
}

std::string versionText(std::string_view program)
{
    return std::string(program) + " " KELVANE_VERSION "\n" + copyrightAndLicence;
}
