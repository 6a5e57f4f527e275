#!/usr/bin/env bash
# Installs into a prefix with a space in it and checks what the desktop sees: the entry
# starts the installed program, and the entry and the metadata pass their validators
# where those are installed.
#   desktop-files.sh BUILD_DIR BIN_DIR (the programs' folder under the prefix)
set -euo pipefail
build=$1 bindir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/my games"
cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/quadrell2000.desktop"
metainfo="$prefix/share/metainfo/io.github.quadrell2000.metainfo.xml"
test -x "$prefix/$bindir/quadrell2000"
grep -qxF "Exec=\"$prefix/$bindir/quadrell2000\" %f" "$entry" || {
    echo "the entry does not start the installed program:"; grep '^Exec=' "$entry"; exit 1; }
grep -q '<release version="[0-9.]*"' "$metainfo"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry"; fi
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net --pedantic "$metainfo"; fi
echo "desktop files: ok"
