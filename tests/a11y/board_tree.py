#!/usr/bin/env python3
"""Walks the board's accessible tree over AT-SPI, as a screen reader would, and plays one
move from the keyboard: every card is named with its place, the cursor is the focus, and the
move is said. Run by run.sh inside its own X display and D-Bus session."""
import faulthandler
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CARD = re.compile(
    r"^(Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King) of "
    r"(Hearts|Clubs|Diamonds|Spades)(, (column [1-8]|cell [1-4]|the \w+ foundation))?$")
failures = []
passed = []
events = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    (passed if ok else failures).append(what)


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), test, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name in ("Quadrell 2000", "quadrell2000"):
                return app
        time.sleep(0.1)
    return None


def board_of(app):
    return find(app, lambda n: n.name == "Board" and n.childCount == 19)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def activate():
    """Gives the window the focus again: a window manager under load may not have yet."""
    try:
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Quadrell 2000",
                        "windowactivate", "--sync"], capture_output=True, timeout=20)
    except subprocess.TimeoutExpired:
        pass  # the next key tells whether it took


def seen(app):
    """What the walk saw, for a failure's report."""
    board = find(app, lambda n: n.name == "Board")
    if board is None:
        return "no board in the tree"
    active = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                            capture_output=True, text=True).stdout.strip()
    return "the board has %d children, %d cards in its columns, focused: %s; active window: '%s'" % (
        board.childCount, sum(board.getChildAtIndex(i).childCount for i in range(min(8, board.childCount))),
        board.getState().contains(pyatspi.STATE_FOCUSED), active)


def names(node):
    return [node.getChildAtIndex(i).name for i in range(node.childCount)]


def on_event(event):
    try:
        events.append((event.type, event.source.name, event.detail1))
    except Exception:
        pass


def main():
    app = application()
    check(app is not None, "the program is on the accessibility bus")
    if app is None:
        return 1
    # Keys go where the focus is: on a loaded machine the window manager may take seconds to
    # give the window the focus after the activation, and an F2 sent before then is lost.
    for wait in range(150):
        start = find(app, lambda n: n.name == "Board")
        if start is not None and start.getState().contains(pyatspi.STATE_FOCUSED):
            break
        if wait % 25 == 24:
            activate()
        time.sleep(0.2)
    board = None
    # A new game. On a loaded machine the key may still reach the window before it takes keys,
    # and the deal may take its time: while the board stays empty, F2 again (it asks nothing
    # with no game in play).
    for attempt in range(3):
        if attempt:
            activate()
        key("F2")
        dealt = False
        for _ in range(75):
            time.sleep(0.2)
            # Counts read again, not kept from an event that a loaded bus may have dropped.
            app.clear_cache()
            board = board_of(app)
            if board is not None and sum(board.getChildAtIndex(i).childCount for i in range(8)) == 52:
                dealt = True
                break
        if dealt:
            break
    check(board is not None and dealt,
          "the board is found by its name, with its 16 places, last-move line and two voices, and dealt")
    if board is None or not dealt:
        print("     " + seen(app))
        return 1
    columns = [board.getChildAtIndex(i) for i in range(8)]
    check([c.name for c in columns] == ["Column %d" % (i + 1) for i in range(8)],
          "the columns are named Column 1 to Column 8")
    cards = [n for c in columns for n in names(c)]
    check(len(cards) == 52, "the columns hold the 52 cards of the deal (%d)" % len(cards))
    check(all(CARD.match(n) for n in cards), "every card is named like 'Seven of Hearts, column 3'")
    check(all(n.endswith(", column %d" % (i + 1)) for i, c in enumerate(columns) for n in names(c)),
          "each card names the column it lies in")
    covered = columns[0].getChildAtIndex(0)
    exposed = columns[0].getChildAtIndex(columns[0].childCount - 1)
    check(covered.description == "covered" and exposed.description.startswith("exposed"),
          "covered and exposed cards say so")
    check(covered.getRole() == pyatspi.ROLE_LIST_ITEM, "a card is a list item of its column")
    cells = names(board)[8:16]
    check(cells[:4] == ["Cell %d: empty" % (i + 1) for i in range(4)], "the empty cells say so")
    check(cells[4:] == ["%s foundation: empty" % s for s in ("Hearts", "Clubs", "Diamonds", "Spades")],
          "the empty foundations say so")

    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:focused", "object:property-change:accessible-name")
    second = columns[1].getChildAtIndex(columns[1].childCount - 1).name
    # A card that cannot go home by itself at once, so that it stays in the cell.
    exposed = [c.getChildAtIndex(c.childCount - 1).name for c in columns]
    chosen = next(i for i, n in enumerate(exposed) if not n.startswith(("Ace", "Two")))
    first = exposed[chosen].split(",")[0]

    steps = [
        lambda: key("Right"),                                      # to column 2's exposed card
        lambda: key("Left", *["Right"] * chosen, "space"),         # select the chosen card
        lambda: key("Up", *["Left"] * chosen, "space"),            # along the top row to cell 1
    ]

    def heard():
        names = [name for _, name, _ in events]
        return second in names and any(n.startswith(first + " to cell 1") for n in names)

    def run(i=[0]):
        if i[0] < len(steps):
            steps[i[0]]()
            i[0] += 1
            return True
        if heard():
            pyatspi.Registry.stop()
            return False
        return True  # the last events may still be on their way

    GLib.timeout_add(1200, run)
    GLib.timeout_add(30000, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()

    focused = [name for kind, name, on in events if kind == "object:state-changed:focused" and on]
    check(second in focused, "the cursor's place takes the focus: '%s'" % second)
    # The cursor stayed on cell 1: a voice takes the focus with the move as its name.
    check(any(s.startswith(first + " to cell 1") for s in focused),
          "the move is said: '%s to cell 1'" % first)
    check(board.getChildAtIndex(8).name == "Cell 1: " + first, "the cell names its card")
    cell = board.getChildAtIndex(8)
    check(cell.childCount == 1 and cell.getChildAtIndex(0).name == first + ", cell 1",
          "the card in the cell is in the tree")
    check(board.getChildAtIndex(16).name.startswith(first + " to cell 1"),
          "the board's last-move line says it")
    print("%d passed, %d failed" % (len(passed), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    # A call that never returns (seen twice on a loaded machine, never reproduced) ends the
    # walk before CTest's limit, with where it waited, so that run.sh prints what the
    # program said.
    faulthandler.dump_traceback_later(100, exit=True)
    sys.exit(main())
