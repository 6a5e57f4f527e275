#!/usr/bin/env bash
# Runs the real Orca over the message of a start that cannot make its game folder, in an X
# display, a D-Bus session and an accessibility bus of their own: orca-start-message.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
cd "$here"
/usr/bin/python3 "$here/orca_start_message.py" "$1"
