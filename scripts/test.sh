#!/usr/bin/env bash
# Installs what is missing, builds Kelvane with its tests and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
ninja -C build
ctest --test-dir build --output-on-failure
