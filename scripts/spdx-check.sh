#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists each tracked source file (C++, CMake, scripts, manual pages, the menu entry) that does not
# name the licence in its first lines, and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

line='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue # deleted, not yet committed
    case $f in
    *.cpp | *.h | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.[1-9].in | *.desktop) ;;
    *) [ "$(head -c 2 "$f")" = '#!' ] || continue ;; # any other script
    esac
    # The third line at the latest: a script's first line is its interpreter.
    head -n 3 "$f" | grep -qF "$line" || {
        echo "No '$line' line at the top of $f" >&2
        missing=1
    }
done < <(git ls-files -z)
exit $missing
