#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Kelvane needs to build and test, and nothing when all of it is there.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation fonts-dejavu-core libbenchmark-dev)
# The icon's vector file (qt6-svg-dev), the menu entry's check (desktop-file-utils) and the Debian
# package's library dependencies (dpkg-dev's dpkg-shlibdeps; CPack finds the binaries with file).
packages+=(qt6-svg-dev desktop-file-utils dpkg-dev file)
# The package test checks the built package as Debian would (lintian) and the software centres'
# metadata as they read it (appstream's appstreamcli).
packages+=(lintian appstream)
# The calculation sheet's tests read its PDF (poppler-utils).
packages+=(poppler-utils)
# The Windows-only registry code is compiled with the Windows cross compiler.
packages+=(g++-mingw-w64-x86-64)
# The format check of the test command.
packages+=(clang-format)
# The fuzz targets need clang's libFuzzer; it and clang's sanitizer runtimes are in libclang-rt-dev,
# which clang only recommends.
packages+=(clang libclang-rt-dev)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" != installed ]; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
