#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and builds the Debian package from it, then checks
# what a user would get: the programs, the menu entry, the software centres' metadata, the icon
# files, the manual pages, the copyright and the package's dependencies; lintian must find no
# error in the package.
# Arguments: CMAKE CPACK BUILD_DIR VERSION LIBDIR (the installation's library folder)
set -euo pipefail
cmake=$1 cpack=$2 build=$3 version=$4 libdir=$5

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

sizes=(32 48 64 128 256)
files=(usr/bin/kelvane usr/share/applications/kelvane.desktop
    usr/share/icons/hicolor/scalable/apps/kelvane.svg)
for s in "${sizes[@]}"; do
    files+=("usr/share/icons/hicolor/${s}x${s}/apps/kelvane.png")
done
files+=(usr/bin/kelvane-calc "usr/$libdir/kelvane/kelvane-calc-datoteke.so"
    usr/share/man/man1/kelvane-calc.1.gz usr/share/man/man1/kelvane.1.gz
    usr/share/man/sr/man1/kelvane-calc.1.gz
    usr/share/doc/kelvane/copyright usr/share/doc/kelvane/changelog.gz)

echo "-- Installing into a temporary prefix"
"$cmake" --install "$build" --prefix "$tmp/root/usr" > /dev/null
root=$tmp/root
for f in "${files[@]}"; do
    [ -f "$root/$f" ] || fail "not installed: $f"
done
[ -x "$root/usr/bin/kelvane" ] || fail "usr/bin/kelvane is not executable"
for s in "${sizes[@]}"; do
    file -b "$root/usr/share/icons/hicolor/${s}x${s}/apps/kelvane.png" |
        grep -q "^PNG image data, $s x $s," || fail "the ${s}x${s} icon is not a $s-pixel PNG"
done
file -b "$root/usr/share/icons/hicolor/scalable/apps/kelvane.svg" | grep -q "^SVG" ||
    fail "the scalable icon is not an SVG image"

echo "-- Checking the menu entry"
entry=$root/usr/share/applications/kelvane.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate refuses kelvane.desktop"
grep -qx "Exec=kelvane" "$entry" || fail "the menu entry does not start kelvane"
grep -qx "Icon=kelvane" "$entry" || fail "the menu entry does not name the kelvane icon"
grep -qx "Categories=Science;Engineering;" "$entry" || fail "the menu entry's categories"
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" || fail "appstreamcli refuses the metainfo"
files+=("${metainfo[@]#"$root/"}")

echo "-- Running the installed kelvane-calc"
out=$("$root/usr/bin/kelvane-calc" --version) || fail "kelvane-calc --version failed"
grep -qF "$version" <<< "$out" || fail "kelvane-calc --version does not say $version: $out"
for page in kelvane kelvane-calc; do
    gzip -dc "$root/usr/share/man/man1/$page.1.gz" | grep -qF "Kelvane $version" ||
        fail "the manual page of $page does not carry the version $version"
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/kelvane" --version |
    grep -qF "License GPLv3+" || fail "without a display, kelvane --version names no licence"
# The installed tool finds its installed module, with no display.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$root/usr/bin/kelvane-calc" 206 208 5 9 --png "$tmp/dijagram.png" > /dev/null 2>&1 ||
    fail "the installed kelvane-calc does not write the diagram"
file -b "$tmp/dijagram.png" | grep -q "^PNG image data, 620 x 465," ||
    fail "the installed kelvane-calc's diagram is not a 620 x 465 PNG"

echo "-- Building the Debian package"
"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/package" > "$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack failed"; }
debs=("$tmp"/package/kelvane_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no kelvane_${version}_*.deb was built"
deb=${debs[0]}

info=$(dpkg-deb --info "$deb")
for field in "Package: kelvane" "Version: $version" "Section: science"; do
    grep -qx " $field" <<< "$info" || fail "the package's control lacks '$field'"
done
depends=$(grep "^ Depends:" <<< "$info") || fail "the package has no dependencies"
# The fonts are named by hand; the Qt and C libraries come from the binaries themselves.
for dep in fonts-liberation fonts-dejavu-core libqt6widgets6 libqt6gui6 libc6; do
    grep -qE "[ ,]$dep( |,|$)" <<< "$depends" || fail "the package does not depend on $dep"
done

contents=$(dpkg-deb --contents "$deb")
for f in "${files[@]}"; do
    grep -qE " \./$f$" <<< "$contents" || fail "the package lacks /$f"
done
lintian --fail-on error "$deb" || fail "lintian finds errors in the package"
echo "-- All checked"
