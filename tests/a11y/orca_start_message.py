#!/usr/bin/env python3
"""A start that cannot make its game folder (a link to nothing in its place) stops with a
message: under the real Orca, the message must be spoken whole, then its button, and Return
must close it and end the program with status 1. Run by orca-start-message.sh."""
import os
import re
import subprocess
import sys
import time

import orca_launch

home = os.environ["QUADRELL_A11Y_INNER"]
program = sys.argv[1]
log = os.path.join(home, "orca.log")
data = os.environ["XDG_DATA_HOME"]
os.makedirs(data, exist_ok=True)
folder = os.path.join(data, "Quadrell 2000")
os.symlink(os.path.join(home, "nowhere"), folder)
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")


def said():
    if not os.path.exists(log):
        return []
    text = open(log, encoding="utf-8", errors="replace").read()
    # A sentence may run over lines: the message's own line breaks, indented by Orca's log.
    return [re.sub(r"\s*\n\s*", " ", m) for m in
            re.findall(r"SPEECH OUTPUT: '(.*?)'\s*\{", text, re.S)]


def wait_for(pattern, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if any(re.fullmatch(pattern, s) for s in said()):
            return True
        time.sleep(0.1)
    return False


orca = orca_launch.start(home, log, env)
try:
    if not wait_for(r"Screen reader on\.", 60):
        sys.exit("Orca never spoke")
    app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    expected = ["alert Quadrell 2000.",
                f"Quadrell 2000 cannot start: the folder {folder} could not be made. A link to "
                "nothing stands in its place. Without it no game and no score could be kept.",
                "OK push button."]
    wait_for(re.escape(expected[-1]), 30)
    failures = [f"'{e}' said {said().count(e)} times" for e in expected if said().count(e) != 1]
    subprocess.run(["xdotool", "key", "Return"])
    try:
        status = app.wait(timeout=20)
    except subprocess.TimeoutExpired:
        app.kill()
        status = "still running after Return"
    if status != 1:
        failures.append(f"the program's status: {status}")
finally:
    orca.terminate()
for line in said():
    print("said: " + line)
if failures:
    sys.exit("not as expected: " + "; ".join(failures))
