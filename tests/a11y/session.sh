# Sourced by the screen-reader tests: runs the calling script again inside an X display, a
# D-Bus session (with its accessibility bus) and a home of its own, with a window manager.
# The home is in $home and goes at the end, with anything started from it. It is made before
# the bus: the bus and what it starts (the accessibility bus, dconf) keep the environment
# they start in.
if [[ -z "${QUADRELL_A11Y_INNER:-}" ]]; then
    home=$(mktemp -d)
    export QUADRELL_A11Y_INNER=$home HOME=$home XDG_CONFIG_HOME=$home/config
    export XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run XDG_CACHE_HOME=$home/cache
    mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
    exec xvfb-run -a -s '-screen 0 1024x768x24' dbus-run-session -- "$0" "$@"
fi
home=$QUADRELL_A11Y_INNER
export QUADRELL_A11Y_STARTED_BY=$$ # marks what this script started, not the bus around it
# What was started from here goes too: speech-dispatcher, started by Orca on its own, names
# no path of ours on its command line but carries our mark in its environment, and would go
# on writing its log while the home is removed.
leave() {
    local status=$?
    kill $(jobs -p) 2>/dev/null || true
    pkill -f "$home" 2>/dev/null || true
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [[ $pid == "$$" ]] && continue
        grep -qzx "QUADRELL_A11Y_STARTED_BY=$$" "$environ" 2>/dev/null && kill "$pid" 2>/dev/null
    done
    for _ in 1 2 3 4 5; do rm -rf "$home" 2>/dev/null && break; sleep 0.5; done
    exit "$status"
}
trap leave EXIT
openbox >/dev/null 2>&1 &
# A window shown before the window manager is up is never activated by it, and keys then go
# wherever the pointer is: wait until it has announced itself on the root window.
for _ in $(seq 150); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
# Speech goes nowhere: Orca's log says what it would have said.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
CONF
