#!/usr/bin/env python3
"""Times what the real Orca says: from a key reaching Orca to the first words Orca speaks
for it, both read from Orca's own log by their timestamps. The anchor is a bare Qt list's
focus change (Down), said by Orca in the same run; then the game's move (Shift+Enter to a
cell), its undo, and a move home with Home (the game one move from its end, handed over
again each round by a second launch). Run by orca-latency.sh in its own X display, D-Bus
session and accessibility bus."""
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "a11y"))
import orca_launch  # noqa: E402

home = os.environ["QUADRELL_BENCH_HOME"]
program = os.environ["QUADRELL_BENCH_PROGRAM"]
bare_list = os.environ["QUADRELL_BENCH_LIST"]
rounds = int(os.environ["QUADRELL_BENCH_ROUNDS"])
log = os.path.join(home, "orca.log")
game = os.path.join(home, "finishable.qrl")
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
STAMP = r"(\d\d):(\d\d):(\d\d\.\d+)"
SPEECH = re.compile(r"^" + STAMP + r" - SPEECH OUTPUT: '(.*?)'", re.M)


def seconds(h, m, s):
    return int(h) * 3600 + int(m) * 60 + float(s)


def text_from(offset):
    with open(log, "rb") as f:
        f.seek(offset)
        return f.read().decode("utf-8", errors="replace")


def size():
    return os.path.getsize(log) if os.path.exists(log) else 0


def window(name):
    for _ in range(150):
        ids = subprocess.run(["xdotool", "search", "--name", name], capture_output=True,
                             text=True).stdout.split()
        if ids:
            return ids[-1]
        time.sleep(0.1)
    sys.exit(f"no window named {name}")


def activate(win):
    for _ in range(100):
        if subprocess.run(["xdotool", "windowactivate", "--sync", win],
                          capture_output=True).returncode == 0:
            return
        time.sleep(0.2)


def spoken():
    return len(SPEECH.findall(text_from(0))) if os.path.exists(log) else 0


def quiet(seconds_quiet=1.0, most=15.0):
    """Waits until Orca has said nothing for a while (the clock's ticks fill its log)."""
    start, last, seen = time.monotonic(), time.monotonic(), spoken()
    while time.monotonic() - start < most:
        now = spoken()
        if now != seen:
            seen, last = now, time.monotonic()
        elif time.monotonic() - last >= seconds_quiet:
            return
        time.sleep(0.05)


def timed(keys, key_name, said, series):
    """Sends `keys`; the time from the key `key_name` reaching Orca to the first sentence
    matching `said`, added to `series`."""
    offset = size()
    subprocess.run(["xdotool", "key", *keys])
    pressed = re.compile(r"PROCESS ATSPI_KEY_PRESSED_EVENT: '" + re.escape(key_name)
                         + r"'.*?\n" + STAMP, re.S)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        text = text_from(offset)
        key = pressed.search(text)
        if key:
            for m in SPEECH.finditer(text, key.end()):
                if re.fullmatch(said, m.group(4)):
                    series.append(seconds(*m.group(1, 2, 3)) - seconds(*key.group(1, 2, 3)))
                    quiet()
                    return
        time.sleep(0.05)
    print(f"not heard: {said}")


def main():
    shutil.copyfile(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "cli",
                                 "data", "game7-finishable.qrl"), game)
    anchor, move, undo, homeward = [], [], [], []
    listing = subprocess.Popen([bare_list], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    win = window("Bare list")
    orca = orca_launch.start(home, log, env)
    deadline = time.monotonic() + 60
    while "Screen reader on" not in (text_from(0) if os.path.exists(log) else ""):
        if time.monotonic() > deadline:
            sys.exit("Orca never spoke")
        time.sleep(0.1)
    activate(win)
    quiet(2.0)
    try:
        for i in range(rounds):
            timed(["Down"], "Down", rf"Row {i + 2}\.?", anchor)
        listing.terminate()
        app = subprocess.Popen([program, game], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        activate(window("Quadrell 2000"))
        quiet(2.0)
        for i in range(rounds):
            print(f"round {i + 1}", flush=True)
            if i:  # one running copy: the file is handed over and the game opens again
                subprocess.run([program, game], env=env, timeout=60)
                quiet(2.0)
            timed(["shift+Return"], "Return", r".*Nine of Clubs to cell \d\.", move)
            timed(["ctrl+z"], "Control_L", r".*Undo: Nine of Clubs to column 1\.", undo)
            subprocess.run(["xdotool", "key", "--delay", "150"] + ["Right"] * 5)
            quiet()
            timed(["Home"], "Home", r".*Six of Hearts to the Hearts foundation.*", homeward)
            time.sleep(4)  # the celebration, then the won game's dialog
            subprocess.run(["xdotool", "key", "Escape"])
            quiet()
        app.terminate()
    finally:
        orca.terminate()
        if os.environ.get("QUADRELL_ORCA_KEEP"):  # Orca's whole log, to see why
            shutil.copyfile(log, os.environ["QUADRELL_ORCA_KEEP"])
    base = statistics.median(anchor)
    print(f"anchor (a bare Qt list's focus change): median {base * 1000:.0f} ms of {len(anchor)}")
    for name, series in (("move", move), ("undo", undo), ("move home", homeward)):
        if series:
            mid = statistics.median(series)
            print(f"{name}: median {mid * 1000:.0f} ms of {len(series)}, "
                  f"at most {max(series) * 1000:.0f} ms, ratio {mid / base:.2f}")


main()
