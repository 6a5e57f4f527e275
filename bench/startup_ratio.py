#!/usr/bin/env python3
"""The game's start-up against a bare Qt main window, pair by pair: each process runs to its
first paint under Xvfb, says its CPU time so far (user + system, every thread, as the kernel
counts it) and its peak memory, and quits. The order within a pair alternates, so a change in
the machine's load falls on both.
    bench/startup_ratio.py [BUILD_DIR] [PAIRS]      (run inside xvfb-run, or it starts one)"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
game = os.path.realpath(os.path.join(build, "app/quadrell2000"))
bare = os.path.realpath(os.path.join(build, "bench/quadrell-bare-window"))

if "DISPLAY" not in os.environ:
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", sys.executable]
              + sys.argv)


def run(program, env):
    """CPU seconds and peak resident MB of one start to its first paint."""
    out = subprocess.run([program], env=env, capture_output=True, text=True, timeout=60)
    if out.returncode != 0:
        sys.exit("%s ended with status %d" % (program, out.returncode))
    said = dict(line.split(": ", 1) for line in out.stdout.splitlines() if ": " in line)
    return int(said["cpu-us"]) / 1e6, int(said["peak-kb"]) / 1024


home = tempfile.mkdtemp()
try:
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/config",
               XDG_DATA_HOME=home + "/data", XDG_CACHE_HOME=home + "/cache",
               XDG_RUNTIME_DIR=home, QUADRELL_STARTUP_PROBE="1")
    os.chmod(home, 0o700)
    run(game, env)  # the first run sets the home up; it is not what a player sees each day
    run(bare, env)
    ratios, game_cpu, bare_cpu, game_mb, bare_mb = [], [], [], [], []
    for i in range(pairs):
        order = [(game, game_cpu, game_mb), (bare, bare_cpu, bare_mb)]
        if i % 2:
            order.reverse()
        for program, cpu, mb in order:
            seconds, peak = run(program, env)
            cpu.append(seconds)
            mb.append(peak)
        ratios.append(game_cpu[-1] / bare_cpu[-1])
    median = statistics.median
    print("start-up to first paint, %d pairs (CPU time, user + system):" % pairs)
    print("  bare Qt window  %6.1f ms CPU  %5.1f MB peak" % (1000 * median(bare_cpu), median(bare_mb)))
    print("  the game        %6.1f ms CPU  %5.1f MB peak" % (1000 * median(game_cpu), median(game_mb)))
    print("  ratio game/bare: median %.2f (quartiles %.2f to %.2f); memory +%.1f MB" % (
        median(ratios), statistics.quantiles(ratios, n=4)[0], statistics.quantiles(ratios, n=4)[2],
        median(game_mb) - median(bare_mb)))
finally:
    shutil.rmtree(home, ignore_errors=True)
