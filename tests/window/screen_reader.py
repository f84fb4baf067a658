"""Reads the real window as a screen reader does, through AT-SPI: the
window's role and title, the role, name and description of every control that
is shown, the list's rows; then picks a row with the mouse and listens for the
selection and the new text. Run by screen_reader.sh under Xvfb, on a private
D-Bus session. Usage: screen_reader.py ZORBIKA"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "https://zorbika.example.org  Зорбика"
ROWS = ("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "абвгдежзийклмнопрстуфхцчшщьъюяАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЪЮЯ")
# What a screen reader hears of each control shown: role and name.
CONTROLS = [
    ("text", "Текст"),
    ("label", "Зорбика"),
    ("list", "Букви и цифри"),
    ("push button", "Интервал"),
    ("push button", "Нов ред"),
    ("push button", "Изчисти"),
]
DESCRIBED = {"Текст", "Букви и цифри"}
PICKED = "5"

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def find_window(pid, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app[0]
        time.sleep(0.2)
    return None


def role_of(accessible):
    # Newer AT-SPI (Debian 13) names a push button "button".
    role = accessible.getRoleName()
    return "push button" if role == "button" else role


def shown(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def keyboard_picks_are_heard(pid, characters):
    """Tab into the list with nothing picked, then Down, Down: each picks a
    row and tells of it, the first too, which lands on the row already
    current."""
    def key(name):
        subprocess.run(["xdotool", "key", name], check=True)
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    for _ in range(len(CONTROLS)):
        if characters.getState().contains(pyatspi.STATE_FOCUSED):
            break
        key("Tab")
        time.sleep(0.3)
    check(characters.getState().contains(pyatspi.STATE_FOCUSED), "Tab never reached the list")

    heard = []
    def listen(event):
        if event.type == "object:active-descendant-changed":
            heard.append(event.any_data.name if event.any_data else "")
        elif event.detail1 == 1 and event.source is not None:
            heard.append(event.source.name)
    kinds = ("object:state-changed:focused", "object:active-descendant-changed")
    for kind in kinds:
        pyatspi.Registry.registerEventListener(listen, kind)
    def step(action):
        action()
        return False
    # What the focus itself told before is not a pick.
    GLib.timeout_add(300, step, heard.clear)
    GLib.timeout_add(400, step, lambda: key("Down"))
    GLib.timeout_add(1000, step, lambda: key("Down"))
    GLib.timeout_add(1800, step, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    for kind in kinds:
        pyatspi.Registry.deregisterEventListener(listen, kind)
    check([name for name in heard if name in ("0", "1")] == ["0", "1"],
          f"Down, Down in the list was heard as {heard}, not the rows 0 and 1")


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        window = find_window(program.pid)
        if window is None:
            print("FAIL: the window never reached the accessibility bus")
            return 1
        check(window.getRoleName() == "frame", f"the window's role is {window.getRoleName()!r}")
        check(window.name == TITLE, f"the window's name is {window.name!r}")

        controls = [child for child in window if child is not None and shown(child)]
        heard = sorted((role_of(child), child.name) for child in controls)
        check(heard == sorted(CONTROLS), f"the controls shown are {heard}")
        for child in controls:
            if child.name in DESCRIBED:
                check(any("\u0400" <= c <= "\u04ff" for c in child.description),
                      f"{child.name} has the description {child.description!r}")
            else:
                check(child.description == "", f"{child.name} has a description")

        characters = next(child for child in controls if child.getRoleName() == "list")
        rows = [characters[i] for i in range(characters.childCount)]
        check([row.getRoleName() for row in rows] == ["list item"] * len(ROWS),
              f"the list has {len(rows)} rows, or rows that are no list items")
        check("".join(row.name for row in rows) == ROWS, "the rows read as other characters")

        keyboard_picks_are_heard(program.pid, characters)

        heard_events = []
        def listen(event):
            # A state change carries its new state in detail1; a text change its text.
            heard_events.append((event.type, event.source.name if event.source else "",
                                 event.detail1 if event.type.startswith("object:state")
                                 else str(event.any_data)))
        for kind in ("object:state-changed:selected", "object:text-changed:insert"):
            pyatspi.Registry.registerEventListener(listen, kind)

        # A row the list shows at start, so that the mouse reaches it.
        row = rows[ROWS.index(PICKED)]
        x, y, width, height = row.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        def pick():
            subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                            "click", "1"], check=True)
            return False
        GLib.timeout_add(500, pick)
        GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() and False)
        pyatspi.Registry.start()

        check(("object:state-changed:selected", PICKED, 1) in heard_events,
              f"no selection of the row {PICKED} was heard: {heard_events}")
        check(any(kind == "object:text-changed:insert" and source == "Текст" and data == PICKED
                  for kind, source, data in heard_events),
              f"no text {PICKED} was heard arriving in the box: {heard_events}")
        selected = [r.name for r in rows if r.getState().contains(pyatspi.STATE_SELECTED)]
        check(selected == [PICKED], f"the selected rows are {selected}")
    finally:
        program.terminate()
        program.wait(timeout=10)
    print("screen reader: " + ("passed" if not failures else f"{len(failures)} failures"))
    return 0 if not failures else 1


sys.exit(main())
