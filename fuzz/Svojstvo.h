// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A property of a fuzz target. One that fails names itself and aborts, so that libFuzzer reports
// it like a crash: it prints the input and keeps it in the artifact file.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define SVOJSTVO(uslov)                                                                            \
    ((uslov) ? void() : (std::fprintf(stderr, "property failed: %s\n", #uslov), std::abort()))
