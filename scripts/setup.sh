#!/usr/bin/env bash
# Installs what Kelvane needs to build and test, and nothing when all of it is there.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation fonts-dejavu-core libbenchmark-dev
    clang-format)
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
