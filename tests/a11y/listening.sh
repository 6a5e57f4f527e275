#!/usr/bin/env bash
# Runs a window test as a screen reader's listener would have it: in an X display, a D-Bus
# session and an accessibility bus of their own, with Qt's accessibility turned on, so that
# the events the program sends can be caught. listening.sh TEST-PROGRAM [TEST-FUNCTION...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
QUADRELL_A11Y_LISTENING=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$@"
