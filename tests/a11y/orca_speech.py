#!/usr/bin/env python3
"""Plays game 7 from the keyboard under the real Orca screen reader and checks what it says:
each step's sentences must be spoken, each once. What Orca says is read from the
"SPEECH OUTPUT" lines of its debug log. Run by orca.sh inside its own X display, D-Bus
session and accessibility bus."""
import os
import re
import shutil
import subprocess
import sys
import time

import orca_launch

home = os.environ["QUADRELL_ORCA_HOME"]
program = os.environ["QUADRELL_PROGRAM"]
log = os.path.join(home, "orca.log")
# One line each; the voice follows the text. A key's echo ends in a space and is left out.
# A sentence may run over lines (a message's own line breaks).
SPEECH = re.compile(r"^.*?SPEECH OUTPUT: '(.*?)'\s*(?:\{[^\n]*)?$", re.M | re.S)
failures = []

# The game opens one move from its end: the Six of Hearts on column 6 sets every card home.
# Its win closed, the same game is handed over again from a second launch for Finish; then
# game 7 is chosen and played from its deal.
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli", "data",
                      "game7-finishable.qrl")
FINISHABLE = os.path.join(home, "finishable.qrl")
HAND_OVER = "hand over the game file"
OPENING = [
    ("the cursor to column 6", ["Right"] * 5, [r"Six of Hearts, column 6\."], True),
    ("a move home: the move alone, not the window and the board again", ["Home"],
     [r"empty\. Six of Hearts to the Hearts foundation; Three of Clubs to the Clubs "
      r"foundation; .+; and \d+ more cards\."], False, [r"QuadRell 2000.*", r"Board.*"]),
    ("the won game's dialog", [], [r"Congrats You Win ! dialog.*"]),
    ("closed: the empty board, with what it offers", ["Escape"],
     [r"Quadrell 2000 frame\.", r"New Game — F2\. Select Game — F3\."]),
    ("the empty board's keys say how to begin", ["Right"],
     [r"New Game — F2\. Select Game — F3\.?"]),
    ("the game handed over by a second launch", [HAND_OVER], [r".+, column 1\."]),
    ("Finish, said by its cards", ["ctrl+f"], [r"(empty|exposed)\. Finish: 19 cards home\."]),
    ("the won game's dialog", [], [r"Congrats You Win ! dialog.*"]),
    ("closed again", ["Escape"], [r"Quadrell 2000 frame\."]),
    ("Select Game", ["F3"], [r"Select Game dialog\.?"]),
    ("Select Game says the difficulty of the number typed", ["7"],
     [r"notification Difficulty: Easy\."]),
    ("game 7 dealt", ["Return"], [r".+ of .+, column 1\.", r"exposed\. New deal\."]),
]

# Game 7 from the left: the exposed cards are TD 2H 7S TC 4D JH 4S QC; the Ace of Diamonds
# lies under the Jack of Diamonds and the Four of Spades in column 7, the Two of Diamonds under
# the Ten of Diamonds. Each step: what it is, its keys, the sentences it must say, and
# whether its keys leave the game as they found it (a cursor there and back): keys lost on
# a loaded machine, with nothing said at all, are then sent once more.
STEPS = [
    ("a refused move's message, with the rule that refused it", ["2", "1"],
     [r"That move is not Allowed\. The Two of Hearts goes on a black Three\."], False,
     [r"(?s)That move is not Allowed\n.*"]),  # the message said once, not again as written
    ("the message closed", ["Return"], [r"Ten of Diamonds, column 1\."]),
    ("the cursor's card", ["Right", "Left"], [r"Ten of Diamonds, column 1\."], True),
    ("a selection", ["Return"], [r"Ten of Diamonds selected\."]),
    ("the selection cleared", ["Escape"], [r"Selection cleared\."]),
    ("a move to a cell, and the card now under the cursor", ["shift+Return"],
     [r"Two of Diamonds, column 1\.", r"exposed\. Ten of Diamonds to cell 1\."]),
    ("to the player box and back", ["Tab", "shift+Tab"], [r"Two of Diamonds, column 1\."], True),
    ("undo, said as an undo", ["ctrl+z"], [r"exposed\. Undo: Ten of Diamonds to column 1\."]),
    ("redo, said as a redo", ["ctrl+x"], [r"exposed\. Redo: Ten of Diamonds to cell 1\."]),
    ("to column 7", ["Right"] * 6, [r"Four of Spades, column 7\."]),
    ("a move to a cell on the cursor's own column", ["shift+Return"],
     [r"exposed\. Four of Spades to cell 2\."]),
    ("a move and the automatic moves home it sets off, in one sentence", ["shift+Return"],
     [r"exposed\. Jack of Diamonds to cell 3; Ace of Diamonds to the Diamonds foundation; "
      r"Two of Diamonds to the Diamonds foundation\."]),
    ("a hint", ["h"], [r"Hint: .+ to .+\."]),
    ("Finish's key where Finish is not offered", ["ctrl+f"],
     [r"Finish is not possible yet: not every card left can go home\."]),
    # The review opens on the row where the game is; each row is read whole.
    ("the review of the game, on its present move", ["alt+r", "v"],
     [r"Move 3: Jack of Diamonds to cell 3; Ace of Diamonds to the Diamonds foundation; "
      r"Two of Diamonds to the Diamonds foundation\. Still winnable, \d+ moves to win\."]),
    ("the move before it", ["Up"],
     [r"Move 2: Four of Spades to cell 2\. Still winnable, \d+ moves to win\."]),
    ("the review closed", ["Escape"], [r".+ of .+, column \d\."]),
    # A key at a time: Orca speaks only the last of focus changes that come faster than it.
    ("the question that gives the game up", ["F2"], [r"alert Quadrell 2000\."]),
    ("its second answer", ["Tab"], [r"No push button\."]),
    ("and its third", ["Tab"], [r"Where Was It Lost\? push button\."]),
    ("and its fourth", ["Tab"], [r"Review Game\.\.\. push button\."]),
    ("the game kept", ["Escape"], [r".+ of .+, column \d\."]),
    ("New Game of Difficulty, its first class", ["ctrl+d"],
     [r"New Game of Difficulty dialog A random game of the difficulty chosen.+",
      r"Easy \(40 % of deals\)"]),
    ("the next class", ["Down"], [r"Medium \(35 % of deals\)"]),
    ("closed, the game kept", ["Escape"], [r".+ of .+, column \d\."]),
    ("a new deal, and the card under the cursor", ["F2", "Return"],
     [r".+ of .+, column 1\.", r"exposed\. New deal\."]),
    ("Customize opened on its first row, with its tick", ["alt+o", "u"], [r"New Game, shown\."]),
    ("a tick cleared in Customize", ["space"], [r"New Game, hidden\."]),
    ("and set again", ["space"], [r"New Game, shown\."]),
    # A chooser is said with its label, not only by what it shows.
    ("the score board's player box, by its label", ["Escape", "F8", "alt+s", "Tab"],
     [r"Player: .*combo box.*"], False, [r"layered pane"]),
]


# The same game in German: the program speaks the player's language.
STEPS_DE = [
    ("ein abgelehnter Zug mit der Regel, die ihn ablehnt", ["2", "1"],
     [r"Dieser Zug ist nicht erlaubt\. Herz Zwei gehört auf Kreuz Drei oder Pik Drei\."]),
    ("die Meldung geschlossen", ["Return"], [r"Karo Zehn, Spalte 1\."]),
    ("die Karte unter dem Cursor", ["Right", "Left"], [r"Karo Zehn, Spalte 1\."], True),
    ("eine Auswahl", ["Return"], [r"Karo Zehn gewählt\."]),
    ("die Auswahl aufgehoben", ["Escape"], [r"Auswahl aufgehoben\."]),
    ("ein Zug in eine Zelle", ["shift+Return"],
     [r"Karo Zwei, Spalte 1\.", r"frei\. Karo Zehn nach Zelle 1\."]),
    ("zurück, als Rückgängig gesagt", ["ctrl+z"], [r"frei\. Rückgängig: Karo Zehn nach Spalte 1\."]),
    ("ein Tipp", ["h"], [r"Tipp: .+ nach .+\."]),
    ("die Durchsicht der Partie, beim Austeilen", ["alt+w", "d"],
     [r"Ausgangsstellung\. Gewinnbar, \d+ Züge bis zum Sieg\."]),
    ("die Durchsicht geschlossen", ["Escape"], [r".+, Spalte \d\."]),
    ("Anpassen, mit dem Haken der ersten Zeile", ["alt+x", "a"], [r"Neues Spiel, gezeigt\."]),
    ("ein Haken entfernt", ["space"], [r"Neues Spiel, verborgen\."]),
]
OPENING_DE = [
    ("der Cursor auf Spalte 6", ["Right"] * 5, [r"Herz Sechs, Spalte 6\."], True),
    ("ein Zug nach Hause: nur der Zug, nicht Fenster und Spielfeld noch einmal", ["Home"],
     [r"leer\. Herz Sechs nach Ablagestapel Herz; Kreuz Drei nach Ablagestapel Kreuz; .+; "
      r"und \d+ weitere Karten\."], False, [r"QuadRell 2000.*", r"Spielfeld.*"]),
    ("der Dialog des gewonnenen Spiels", [], [r"Glückwunsch, gewonnen! dialog.*"]),
    ("geschlossen: das leere Spielfeld, mit dem, was es anbietet", ["Escape"],
     [r"Neues Spiel — F2\. Spiel wählen — F3\."]),
    ("die Tasten des leeren Spielfelds sagen, wie es beginnt", ["Right"],
     [r"Neues Spiel — F2\. Spiel wählen — F3\.?"]),
    ("das Spiel, von einem zweiten Start übergeben", [HAND_OVER], [r".+, Spalte 1\."]),
    ("Abschließen, mit seinen Karten gesagt", ["ctrl+f"],
     [r"(leer|frei)\. Abschließen: 19 Karten nach Hause\."]),
    ("der Dialog des gewonnenen Spiels", [], [r"Glückwunsch, gewonnen! dialog.*"]),
    ("wieder geschlossen", ["Escape"], [r"Quadrell 2000 frame\."]),
    ("Spiel wählen", ["F3"], [r"Spiel wählen dialog\.?"]),
    ("Spiel wählen sagt die Schwierigkeit der getippten Nummer", ["7"],
     [r"notification Schwierigkeit: Leicht\."]),
    ("Spiel 7 ausgeteilt", ["Return"], [r".+, Spalte 1\.", r"frei\. Neu gegeben\."]),
]
german = os.environ.get("QUADRELL_ORCA_LANG") == "de"


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout


def window():
    for _ in range(150):
        ids = xdotool("search", "--name", "Quadrell 2000").split()
        if ids:
            return ids[-1]
        time.sleep(0.1)
    sys.exit("the program's window never showed")


# Where the last step's reading ended: the end of the last whole line it read. Orca writes its
# log in pieces; a line half written when a step ends is the next step's.
consumed = 0


def whole_lines(offset):
    """The log's whole lines from `offset`, and the offset just after them."""
    if not os.path.exists(log):
        return "", offset
    with open(log, "rb") as f:
        f.seek(offset)
        data = f.read()
    end = data.rfind(b"\n") + 1
    return data[:end].decode("utf-8", errors="replace"), offset + end


def sentences(text):
    return [m.group(1) for m in SPEECH.finditer(text) if not m.group(1).endswith(" ")]


def spoken_since(offset):
    return sentences(whole_lines(offset)[0])


def quiet_after(offset, seconds=1.0, most=10.0):
    """Waits until Orca has said nothing new for a while; gives all it said since `offset`."""
    start, last, said = time.monotonic(), time.monotonic(), []
    while time.monotonic() - start < most:
        now = spoken_since(offset)
        if len(now) != len(said):
            said, last = now, time.monotonic()
        elif time.monotonic() - last >= seconds:
            break
        time.sleep(0.05)
    return said


def heard(offset, expected, seconds):
    """Waits up to `seconds` for the step's last sentence."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if any(re.fullmatch(expected[-1], s) for s in spoken_since(offset)):
            return True
        time.sleep(0.05)
    return False


def press(keys):
    if keys == [HAND_OVER]:
        # One running copy: a second launch hands the file over and leaves.
        subprocess.run([program, FINISHABLE], env=program_env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
    elif keys:
        xdotool("key", "--delay", "200", *keys)


def step(what, keys, expected, again=False, absent=()):
    global consumed
    offset = consumed
    press(keys)
    # Orca may be slow on a loaded machine: wait for the last sentence, then for quiet.
    if not heard(offset, expected, 20) and again and not spoken_since(offset):
        print(f"again: {what}: nothing was said, the keys are sent once more")
        press(keys)
        heard(offset, expected, 20)
    quiet_after(offset)
    text, consumed = whole_lines(offset)  # what it said, and nothing after what is judged
    said = sentences(text)
    for sentence in expected:
        times = sum(1 for s in said if re.fullmatch(sentence, s))
        ok = times == 1
        print(("ok   " if ok else "FAIL ") + f"{what}: /{sentence}/ said {times} times")
        if not ok:
            failures.append(f"{what}: {said}")
    for sentence in absent:
        times = sum(1 for s in said if re.fullmatch(sentence, s))
        print(("ok   " if not times else "FAIL ") + f"{what}: /{sentence}/ not said")
        if times:
            failures.append(f"{what}: {said}")


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
program_env = dict(env, LANGUAGE="de", LANG="de_DE.UTF-8") if german else env


def main():
    shutil.copyfile(SOURCE, FINISHABLE)
    app = subprocess.Popen([program, FINISHABLE], env=program_env, stdout=subprocess.DEVNULL,
                           stderr=open(os.path.join(home, "program.log"), "w"))
    win = window()
    orca = orca_launch.start(home, log, env)
    # Orca is ready once it has said that it is on; then the window is brought forward.
    deadline = time.monotonic() + 60
    while not spoken_since(0) and time.monotonic() < deadline:
        time.sleep(0.1)
    if not spoken_since(0):
        sys.exit("Orca never spoke")
    # A window manager still starting refuses the activation; keys would then go nowhere.
    for _ in range(100):
        if subprocess.run(["xdotool", "windowactivate", "--sync", win],
                          capture_output=True).returncode == 0:
            break
        time.sleep(0.2)
    quiet_after(0, seconds=2.0, most=15.0)
    global consumed
    _, consumed = whole_lines(0)
    try:
        for what, keys, expected, *more in (OPENING_DE + STEPS_DE if german
                                            else OPENING + STEPS):
            step(what, keys, expected, *more)
    finally:
        orca.terminate()
        app.terminate()
        if os.environ.get("QUADRELL_ORCA_KEEP"):  # Orca's whole log, to see why
            shutil.copyfile(log, os.environ["QUADRELL_ORCA_KEEP"])
    if failures:
        print("\n".join(["", "What Orca said where it was wrong:"] + failures))
        sys.exit(1)


main()
