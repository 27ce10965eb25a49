#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a picture of every window and tab of Kelvane under a virtual X server, and of page 1 of
# the calculation sheet, for the README.
# Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh xvfb xauth poppler-utils
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
ninja -C build kelvane_screenshots > /dev/null
mkdir -p docs/screenshots
LANGUAGE=sr QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/scripts/screenshots/kelvane_screenshots docs/screenshots
# The input and results windows once more in English.
mkdir -p docs/screenshots/en
LANGUAGE=en QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/scripts/screenshots/kelvane_screenshots docs/screenshots/en
find docs/screenshots/en -type f ! -name '1-*' ! -name '2-*' ! -name '3-*' -delete
# Page 1 of the calculation sheet that the results window saved.
pdftoppm -png -r 96 -f 1 -l 1 -singlefile docs/screenshots/9-izvestaj.pdf docs/screenshots/9-izvestaj
rm docs/screenshots/9-izvestaj.pdf
ls docs/screenshots
