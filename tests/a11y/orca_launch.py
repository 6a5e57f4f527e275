"""Starts the real Orca with its debug log written a line at a time: Orca keeps the log in a
buffer otherwise, and what it said while idle would reach the file only with what it says
next. Shared by the speech test and the speech timing benchmark."""
import os
import subprocess
import sys

LINE_BY_LINE = """
import builtins, shutil, sys
plain = builtins.open
log = sys.argv[sys.argv.index("--debug-file") + 1]
def line_by_line(name, mode="r", *args, **kwargs):
    if name == log and "w" in mode:
        kwargs["buffering"] = 1
    return plain(name, mode, *args, **kwargs)
builtins.open = line_by_line
sys.argv[0] = shutil.which("orca")
exec(compile(plain(sys.argv[0]).read(), sys.argv[0], "exec"))
"""


def start(home, log, env):
    """Orca, its settings in `home`, writing `log`."""
    return subprocess.Popen([sys.executable, "-c", LINE_BY_LINE, "--replace", "-u",
                             os.path.join(home, "orca-prefs"), "--debug-file", log], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
