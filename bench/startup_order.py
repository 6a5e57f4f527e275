#!/usr/bin/env python3
"""Writes app/startup-order.txt: the game's own functions that run before its first paint, as
the linker names them. A Release build links them together
(CMakeLists.txt), so the first picture touches a few hundred kilobytes of the program instead
of nearly all of it. Run it again after a change to what the start does; a name that has gone
is passed over, and a function missing from the list is only laid out among the rest.
    bench/startup_order.py [BUILD_DIR]          (needs valgrind; runs inside xvfb-run)"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
game = os.path.realpath(os.path.join(build, "app/quadrell2000"))
source = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
target = os.path.join(source, "app/startup-order.txt")

if "DISPLAY" not in os.environ:
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", sys.executable]
              + sys.argv)

DEF = re.compile(r"^(c?ob|c?fn)=\((\d+)\)(?: (.*))?$")
SYMBOL = re.compile(r"^[A-Za-z_][\w.$]*$")


def first_run(profile, program):
    """The functions of `program` that a callgrind profile saw."""
    objects, names, order, current = {}, {}, [], None
    with open(profile) as lines:
        for line in lines:
            match = DEF.match(line.rstrip("\n"))
            if not match:
                continue
            kind, index, name = match.groups()
            if kind.endswith("ob"):
                objects.setdefault(index, name)
                if kind == "ob":
                    current = objects[index]
            else:
                names.setdefault(index, name)
                name = names[index]
                # Unnamed code (the PLT) shows as an address, which no linker can place.
                if kind == "fn" and current == program and SYMBOL.match(name) and name not in order:
                    order.append(name)
    return order


def start(home, kept):
    """One start to the first paint under callgrind; the functions it ran."""
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/config",
               XDG_DATA_HOME=home + "/data", XDG_CACHE_HOME=home + "/cache",
               XDG_RUNTIME_DIR=home, QUADRELL_STARTUP_PROBE="1")
    if kept:  # a game in play kept at the last quit, to resume (as bench/startup.sh makes it)
        os.makedirs(home + "/data/Quadrell 2000")
        os.makedirs(home + "/config")
        entries = [" 0 ", " 48  200  1  1 "] + [
            (" 201  200  1  %d " if i % 2 else " 200  201  1  %d ") % i for i in range(2, 501)]
        with open(home + "/data/Quadrell 2000/Unfinished.qrl", "w", newline="") as game_file:
            game_file.write("".join(e + "\r\n" for e in entries))
        with open(home + "/config/quadrell 2000.ini", "w") as ini:
            ini.write("[save]\nunfinished=True\nlastgametime=12\n")
    else:  # past its first run, as a player starts it each day
        subprocess.run([game], env=env, capture_output=True, timeout=120, check=True)
    out = home + "/profile"
    subprocess.run(["valgrind", "--tool=callgrind", "--demangle=no", "--callgrind-out-file=" + out,
                    "--dump-before=getrusage", game], env=env, capture_output=True, timeout=600,
                   check=True)
    return first_run(out + ".1", game)


order = []
for kept in (False, True):
    home = tempfile.mkdtemp()
    try:
        os.chmod(home, 0o700)
        order += [name for name in start(home, kept) if name not in order]
    finally:
        shutil.rmtree(home, ignore_errors=True)
# Sorted: the set is what counts, and a list made again then differs only where the start did.
with open(target, "w") as out:
    out.write("\n".join(sorted(order)) + "\n")
print("%d functions written to %s" % (len(order), target))
