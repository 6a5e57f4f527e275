#!/usr/bin/env bash
# Runs the real Orca screen reader over the program in an X display, a D-Bus session and an
# accessibility bus of their own, plays keys with xdotool and checks what Orca says (the
# "SPEECH OUTPUT" lines of its debug log): orca.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
export QUADRELL_ORCA_HOME=$home QUADRELL_PROGRAM=$program
/usr/bin/python3 "$here/orca_speech.py"
