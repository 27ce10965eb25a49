#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks that every source names its licence and every C++ source
# follows .clang-format, builds Kelvane with its tests and runs every test through CTest: once as
# released, once under AddressSanitizer and UndefinedBehaviorSanitizer; then each fuzz target for
# 15 seconds. The Windows-only registry adapter, which no build here compiles, is checked with the
# Windows cross compiler.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

# Lists each source file that does not name the licence in an SPDX line, and stops.
scripts/spdx-check.sh

# Lists each file that differs from the project's format with what would change, and stops.
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

x86_64-w64-mingw32-g++ -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -I. \
    ui/about/WindowsRegistry.cpp

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
ninja -C build
ctest --test-dir build --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVANE_SANITIZE=ON \
    -DKELVANE_BENCHMARKS=OFF > /dev/null
ninja -C build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure

# Every parser of outside text against generated inputs, about a minute in all.
scripts/fuzz.sh 12
