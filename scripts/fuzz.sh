#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets under fuzz/ with clang (libFuzzer, AddressSanitizer, UBSan) in
# build-fuzz/ and runs each for SECONDS (default 15), one after the other. Each run starts from
# the seeds in fuzz/corpus/TARGET and grows a working corpus in build-fuzz/corpus/TARGET. A crash,
# a sanitizer report or a failed property stops with status 1 and prints the input; the input is
# kept as build-fuzz/failures/TARGET-crash-*. Repeat a failure with: build-fuzz/TARGET FILE
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-15}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(numbertext kontroleunosa kontrolatastera kelvanecalc studija)

if ! command -v clang++ > /dev/null; then
    echo "fuzz: clang++ is missing (scripts/setup.sh installs it); the fuzz targets are not run"
    exit 0
fi
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" > /dev/null
ninja -C build-fuzz > /dev/null
mkdir -p build-fuzz/failures

for t in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$t"
    rm -f build-fuzz/failures/"$t"-*
    log="build-fuzz/fuzz_$t.log"
    if ! "build-fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/failures/$t-" \
        "build-fuzz/corpus/$t" "fuzz/corpus/$t" > "$log" 2>&1; then
        echo "fuzz_$t FAILED:"
        grep -E -A3 "property failed|ERROR: (AddressSanitizer|libFuzzer)|runtime error" "$log" | head -40
        for f in build-fuzz/failures/"$t"-*; do
            [ -e "$f" ] || continue
            echo "input $f:"
            od -An -c "$f" | head -20
        done
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: $runs inputs in ${seconds} s, no failure"
done
