#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times kelvane-calc as a script sees it: the whole process, from start to its output, as the
# median of several runs, for a text result, JSON, a study of 10,000 spans and the two files.
# Usage, from the top of the repository after a release build:
# bench/kelvane-calc.sh [build/cli/kelvane-calc] [runs]
set -euo pipefail
calc=${1:-build/cli/kelvane-calc}
runs=${2:-21}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

median_ms() {
    local times=()
    for _ in $(seq "$runs"); do
        # EPOCHREALTIME is read by the shell itself: no timer process adds to the figure.
        local start=${EPOCHREALTIME/./} end
        "$@" > /dev/null 2>&1
        end=${EPOCHREALTIME/./}
        times+=($((end - start)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f ms\n", t[int((NR + 1) / 2)] / 1000 }'
}

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
echo "text, -x 4.5:  $(median_ms "$calc" 206 208 5 9 -x 4.5)"
echo "--listing m:   $(median_ms "$calc" 206 208 5 9 --listing m)"
echo "--format json: $(median_ms "$calc" 206 208 5 9 --format json)"
echo "study, 10,000: $(median_ms "$calc" 120 120 3.6 --spans 4:13.999:0.001 --format csv)"
echo "--pdf:         $(median_ms "$calc" 206 208 5 9 --pdf "$tmp/list.pdf")"
echo "--png:         $(median_ms "$calc" 206 208 5 9 --png "$tmp/dijagram.png")"
