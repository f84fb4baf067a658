#!/usr/bin/python3
"""Launch to the window's map under Wine, for Zorbika.exe and its floor, a
plain Win32 program of the same window, run in turn so that both meet the
same machine. Prints the median of each and their ratio.

Usage: startup_benchmark.py SESSION-DIR RUNS ZORBIKA.exe FLOOR.exe
where SESSION-DIR holds a Wine session (tests/support/sessions/x_session.sh).
"""

import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay
from Xlib.protocol import event

RUNNER = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                      "../../tests/support/sessions/wine_run.sh")
TITLE_END = "Зорбика"


def title_of(screen, window):
    name = window.get_full_property(screen.intern_atom("_NET_WM_NAME"), 0)
    if name is None:
        return ""
    value = name.value
    return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)


def close(screen, window, process):
    """As a window manager closes a window: WM_DELETE_WINDOW, then a wait."""
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    message = event.ClientMessage(window=window, client_type=protocols,
                                  data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    screen.flush()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def launch_to_map(session, program):
    """Milliseconds from the launch of `program` to the map of its window."""
    screen = xdisplay.Display()
    root = screen.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()
    started = time.monotonic()
    process = subprocess.Popen([RUNNER, session, program], stdin=subprocess.DEVNULL)
    deadline = started + 30
    try:
        while time.monotonic() < deadline:
            if not screen.pending_events():
                select.select([screen], [], [], 0.05)
                continue
            happened = screen.next_event()
            if happened.type != X.MapNotify:
                continue
            mapped = time.monotonic()
            if title_of(screen, happened.window).endswith(TITLE_END):
                close(screen, happened.window, process)
                return (mapped - started) * 1000
        raise RuntimeError(f"{program}: no window in 30 s")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        screen.close()


def main(arguments):
    if len(arguments) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    session, runs, programs = arguments[0], int(arguments[1]), arguments[2:]
    with open(os.path.join(session, "display")) as number:
        os.environ["DISPLAY"] = ":" + number.read().strip()
    times = {program: [] for program in programs}
    for run in range(runs):
        # Each goes first as often as the other.
        for program in programs[run % 2:] + programs[:run % 2]:
            times[program].append(launch_to_map(session, program))
    zorbika, floor = (statistics.median(times[program]) for program in programs)
    print(f"launch to map, median of {runs}: Zorbika.exe {zorbika:.0f} ms, "
          f"floor {floor:.0f} ms, {zorbika / floor:.2f} x")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
