#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing and builds Kelvane's Debian package in build-package/, without the
# tests and benchmarks; prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# The prefix /usr puts the private module in Debian's multiarch library folder, where no
# ldconfig call in the package's scripts is wanted.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DKELVANE_BENCHMARKS=OFF > /dev/null
ninja -C build-package > /dev/null
log=$(cpack --config build-package/CPackConfig.cmake -B build-package 2>&1) || {
    echo "$log" >&2
    exit 1
}
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<< "$log"
