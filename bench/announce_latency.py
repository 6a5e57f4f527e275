#!/usr/bin/env python3
"""Times moves from the key to their announcement on the accessibility bus, and Qt's own
focus changes the same way as the anchor. Run by announce.sh in its own X display, D-Bus
session and accessibility bus."""
import os
import statistics
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program = os.environ["QUADRELL_BENCH_PROGRAM"]
moves = int(os.environ["QUADRELL_BENCH_MOVES"])
home = os.environ["QUADRELL_BENCH_HOME"]
heard = []  # (time, name, description) of each object that took the focus
xdotool = []  # how long each key took to send, its process started and ended


def on_focus(event):
    if event.detail1 == 1:
        try:
            heard.append((time.monotonic(), event.source.name or "", event.source.description or ""))
        except Exception:
            pass


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    game = os.path.join(home, "seven.qrl")
    with open(game, "wb") as f:
        f.write(b" 7 \r\n")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    app = subprocess.Popen([program, game], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    for _ in range(150):
        ids = subprocess.run(["xdotool", "search", "--name", "Quadrell 2000"],
                             capture_output=True, text=True).stdout.split()
        if ids:
            break
        time.sleep(0.1)
    subprocess.run(["xdotool", "windowactivate", "--sync", ids[-1]])
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    # Each step: its keys, what the focus it brings must say, and which series it times.
    steps = [(["Right"], "", None), (["Left"], "", None)]
    for i in range(moves):
        # The sentence rides on the focus the move brings: the first focus after the key.
        steps.append((["ctrl+z"] if i % 2 else ["shift+Return"] if i == 0 else ["ctrl+x"],
                      "", "move"))
        steps.append((["Tab"], "player games", "anchor"))
        steps.append((["shift+Tab"], "", "anchor"))
    timed = {"move": [], "anchor": []}
    state = {"i": 0, "sent": 0.0, "cpu": 0.0, "cpu_moves": 0.0}

    def said(since, text):
        return any(t >= since and (text in n or text in d) for t, n, d in heard)

    def first(since, text):
        return min(t for t, n, d in heard if t >= since and (text in n or text in d))

    def tick():
        i = state["i"]
        if i > 0:
            keys, text, series = steps[i - 1]
            if not said(state["sent"], text):
                if time.monotonic() - state["sent"] > 5:
                    sys.exit(f"nothing heard after {keys}: {heard[-5:]}")
                return True
            if series:
                timed[series].append(1000 * (first(state["sent"], text) - state["sent"]))
        if i == 2:
            state["cpu"] = cpu_seconds(app.pid)
        if i == len(steps):
            state["cpu_moves"] = cpu_seconds(app.pid) - state["cpu"]
            pyatspi.Registry.stop()
            return False
        time.sleep(0.15)  # the last step settled: the next key is timed alone
        state["sent"] = time.monotonic()
        subprocess.run(["xdotool", "key", *steps[i][0]])
        xdotool.append(1000 * (time.monotonic() - state["sent"]))
        state["i"] = i + 1
        return True

    GLib.timeout_add(20, tick)
    GLib.timeout_add(600000, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    app.terminate()
    m, a = timed["move"], timed["anchor"]
    if len(m) < moves:
        sys.exit("the run did not finish")
    q = lambda xs, p: sorted(xs)[min(len(xs) - 1, int(p * len(xs)))]
    print(f"key to the move's announcement on the bus: median {statistics.median(m):.1f} ms, "
          f"90th percentile {q(m, 0.9):.1f} ms, most {max(m):.1f} ms ({len(m)} moves)")
    print(f"key to Qt's own focus change (the anchor): median {statistics.median(a):.1f} ms, "
          f"90th percentile {q(a, 0.9):.1f} ms ({len(a)} changes)")
    print(f"of which xdotool's own run (start to exit, the key sent within): median "
          f"{statistics.median(xdotool):.1f} ms")
    print(f"ratio of medians: {statistics.median(m) / statistics.median(a):.2f}; the program's CPU "
          f"time over the run: {1000 * state['cpu_moves']:.0f} ms for {len(m)} moves and "
          f"{len(a)} focus changes")


main()
