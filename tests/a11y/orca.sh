#!/usr/bin/env bash
# Runs the real Orca screen reader over the program in an X display, a D-Bus session and an
# accessibility bus of their own, plays keys with xdotool and checks what Orca says (the
# "SPEECH OUTPUT" lines of its debug log): orca.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
if [[ -z "${QUADRELL_ORCA_INNER:-}" ]]; then
    export QUADRELL_ORCA_INNER=1
    exec xvfb-run -a -s '-screen 0 1024x768x24' dbus-run-session -- "$0" "$@"
fi
home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; pkill -f "$home" 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
export XDG_CACHE_HOME=$home/cache
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
# Speech goes nowhere: Orca's log says what it would have said.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
CONF
openbox >/dev/null 2>&1 &
export QUADRELL_ORCA_HOME=$home QUADRELL_PROGRAM=$program
/usr/bin/python3 "$here/orca_speech.py"
