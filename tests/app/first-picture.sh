#!/usr/bin/env bash
# The first picture reads no image file: Qt's image plugins, and the libraries they bring,
# load when a later window needs a picture, not before the board is first painted. Both the
# first start of a new home and a later one. The first start keeps its own drawings in the
# cache folder and the later one copies them all (it writes nothing), the clock's digits
# among them, so its font is not even looked up; a change to the font setup draws the digits
# again; a pipe in the cache's place holds no start up. The time to the first picture the
# probe reports lies within the run.
set -euo pipefail
app=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen \
    QUADRELL_STARTUP_PROBE=1
mkdir -m 700 "$work/run"
for start in first later; do
    # The loader's report of what it opens goes to stderr, fontconfig's to stdout.
    began=$(date +%s%N)
    LD_DEBUG=files FC_DEBUG=1 "$app" >"$work/said" 2>"$work/loaded"
    lasted=$((($(date +%s%N) - began) / 1000000))
    grep -q '^startup-ms: ' "$work/said" || { echo "the $start start never painted"; exit 1; }
    # The probe's own count runs from the program's start: never longer than the whole run.
    probed=$(sed -n 's/^startup-ms: //p' "$work/said")
    ((probed >= 0 && probed <= lasted)) ||
        { echo "the $start start reported $probed ms of a run of $lasted ms"; exit 1; }
    # CPU time and memory are the process's own, read when it painted.
    cpu=$(sed -n 's/^cpu-us: //p' "$work/said")
    rss=$(sed -n 's/^rss-kb: //p' "$work/said")
    peak=$(sed -n 's/^peak-kb: //p' "$work/said")
    ((cpu > 0 && rss > 0 && peak > 0)) ||
        { echo "the $start start reported $cpu us of CPU, $rss and $peak kB"; exit 1; }
    # The loader's list is there to be read: the toolkit itself is in it.
    grep -q 'file=libQt6Gui' "$work/loaded" || { echo "no list of loaded libraries"; exit 1; }
    if grep 'file=.*imageformats' "$work/loaded"; then
        echo "the $start start loaded an image plugin before its first picture"
        exit 1
    fi
    clockFont=$(grep -c 'DejaVuSansMono-Bold' "$work/said" || true)
    case $start:$clockFont in
    first:0) echo "the first start drew no clock in its font, or fontconfig said nothing"; exit 1 ;;
    later:[1-9]*) echo "the later start set up the clock's font"; exit 1 ;;
    esac
done
kept="$XDG_CACHE_HOME/Quadrell 2000/pictures"
[[ -f $kept ]] || { echo "the first picture's drawings were not kept"; exit 1; }
before=$(stat -c %i "$kept")
"$app" >/dev/null 2>&1
[[ $(stat -c %i "$kept") == "$before" ]] || { echo "a later start drew again what was kept"; exit 1; }
mkdir -p "$XDG_CONFIG_HOME/fontconfig"
FC_DEBUG=1 "$app" >"$work/said" 2>/dev/null
grep -q 'DejaVuSansMono-Bold' "$work/said" || { echo "a new font setup kept the old digits"; exit 1; }
[[ $(stat -c %i "$kept") != "$before" ]] || { echo "the digits drawn anew were not kept"; exit 1; }
rm "$kept"
mkfifo "$kept"
timeout 60 "$app" >"$work/said" 2>/dev/null || { echo "a pipe in the cache's place held the start"; exit 1; }
grep -q '^startup-ms: ' "$work/said" && [[ -p $kept ]] || { echo "the pipe was not left alone"; exit 1; }
echo "no image plugin before the first picture; its drawings kept and copied"
