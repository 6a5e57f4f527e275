#!/usr/bin/env bash
# Builds the Debian package as the README says, has lintian check it, then unpacks it into
# an empty root and starts the program from there offscreen, with an empty home: it must
# paint its window and carry its help, and the files a desktop needs must be in place.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake --preset package >/dev/null
cmake --build --preset package -j "$jobs"
rm -f build/package/quadrell2000_*.deb
cpack --preset package >/dev/null
deb=$(ls build/package/quadrell2000_*.deb)
echo "built $deb"
dpkg-deb --field "$deb" # the whole control file

dpkg-deb --field "$deb" Recommends | grep -qw qt6-wayland ||
    { echo "the package does not recommend qt6-wayland: Wayland desktops get a blurred window"; exit 1; }
dpkg-deb --field "$deb" Recommends | grep -qw libcanberra0 ||
    { echo "the package does not recommend libcanberra0: the sounds could never play"; exit 1; }
if dpkg-deb -c "$deb" | grep -E 'mime/mime.cache|applications/mimeinfo.cache'; then
    echo "the package carries a desktop cache of the build machine"; exit 1
fi

echo "== lintian"
lintian --fail-on error --display-level '>=warning' "$deb"

echo "== the unpacked program"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
root=$work/root
for file in usr/games/quadrell2000 usr/games/quadrell-cli \
    usr/share/applications/quadrell2000.desktop usr/share/mime/packages/quadrell2000.xml \
    usr/share/icons/hicolor/scalable/apps/quadrell2000.svg \
    usr/share/icons/hicolor/48x48/apps/quadrell2000.png \
    usr/share/icons/hicolor/256x256/apps/quadrell2000.png \
    usr/share/metainfo/io.github.quadrell2000.metainfo.xml \
    usr/share/man/man6/quadrell2000.6.gz usr/share/man/man6/quadrell-cli.6.gz \
    usr/share/doc/quadrell2000/copyright usr/share/quadrell2000/sounds/card-placed.wav; do
    [[ -f "$root/$file" ]] || { echo "missing from the package: /$file"; exit 1; }
done
grep -qx 'Exec=/usr/games/quadrell2000 %f' "$root/usr/share/applications/quadrell2000.desktop" || {
    echo "the desktop entry does not start /usr/games/quadrell2000"; exit 1; }
desktop-file-validate "$root/usr/share/applications/quadrell2000.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/io.github.quadrell2000.metainfo.xml" \
    | tail -n 1
mkdir -p "$work/home" && chmod 700 "$work/home"
report=$(LANG=C.UTF-8 HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
    XDG_RUNTIME_DIR=$work/home QT_QPA_PLATFORM=offscreen QUADRELL_STARTUP_PROBE=1 \
    timeout 60 "$root/usr/games/quadrell2000")
echo "$report"
grep -q '^startup-ms: ' <<<"$report" || { echo "the window was never painted"; exit 1; }
help=$(sed -n 's/^help-bytes: //p' <<<"$report")
(( help > 1000 )) || { echo "the help is missing"; exit 1; }
[[ -f "$work/home/config/quadrell 2000.ini" ]] || { echo "no settings were written"; exit 1; }
grep -qx 'language: en' <<<"$report" || { echo "an English system did not get English"; exit 1; }
german=$(HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
    XDG_RUNTIME_DIR=$work/home LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen QUADRELL_STARTUP_PROBE=1 \
    timeout 60 "$root/usr/games/quadrell2000")
grep -qx 'language: de_DE' <<<"$german" || { echo "the German translation was not found"; exit 1; }
german_help=$(sed -n 's/^help-bytes: //p' <<<"$german")
(( german_help > 1000 && german_help != help )) || { echo "the German help is missing"; exit 1; }
# The packaged driver plays: game 7 dealt, a card sent to a cell by a double click.
played=$(printf 'new 7\ndblclick 47\nstate\n' | "$root/usr/games/quadrell-cli" --home "$work/cli")
grep -qx 'active: 1 0' <<<"$played" && grep -qx 'history: 1 1 1' <<<"$played" ||
    { echo "the packaged driver did not play:"; echo "$played"; exit 1; }
echo "== the package installs and starts"
