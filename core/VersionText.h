// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What --version prints for both programs, in the GNU form: the program's name and version, the
// copyright and the licence.

#include <string>
#include <string_view>

// The program's version, "1.0.0": the one the top CMakeLists' project() names.
std::string_view verzija();

// The lines of --version for the program named, each ended by "\n".
std::string versionText(std::string_view program);
