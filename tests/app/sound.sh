#!/usr/bin/env bash
# The game's sounds heard through a real sound server: PulseAudio with a null sink of the
# test's own, whose monitor is recorded while the sound test plays each sound through
# libcanberra: all three must be heard whole. Skipped (77) without the server's tools.
#   sound.sh SOUND_TEST
set -euo pipefail
test=$1
for tool in pulseaudio pactl parec; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: skipped"; exit 77; }
done
work=$(mktemp -d)
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
export XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=game" \
    >"$work/server.log" 2>&1 &
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "the sound server did not start: skipped"; cat "$work/server.log"; exit 77; }
pactl set-default-sink game
parec -d game.monitor --format=s16le --channels=1 --rate=8000 --raw >"$work/heard.raw" &
sleep 0.5
QUADRELL_SOUND_SINK=1 QT_QPA_PLATFORM=offscreen "$test" onEachSoundPlays
sleep 0.5
kill %2
wait %2 2>/dev/null || true
# The sink's monitor records only while something plays: the three sounds come one after
# the other, 1.29 s in all, each of them loud.
python3 - "$work/heard.raw" <<'PY'
import array, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
seconds, loudest = len(samples) / 8000, max(map(abs, samples), default=0)
print("heard %.2f s of sound, the loudest sample %d" % (seconds, loudest))
sys.exit(0 if seconds >= 1.2 and loudest > 8000 else 1)
PY
