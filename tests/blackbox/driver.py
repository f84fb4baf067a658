"""Drives a running Zorbika from outside, through the X server only: the
mouse and keys with xdotool, the composition box's text through the
clipboard, pixels through the screen. The same for the Linux program and for
the Windows one under Wine."""

import os
import subprocess
import sys
import time

from Xlib import X, display as xdisplay
from Xlib.protocol import event

import xscreen

TITLE_END = "Зорбика"
MARKER = "\x01nothing copied\x01"


class ProgramError(AssertionError):
    pass


def xdotool(*arguments):
    # A bound on every call: waiting for a focus that never comes must fail
    # the scenario, not hang it.
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True, timeout=20).stdout


class Program:
    """One run of the program, from its start to its end."""

    def __init__(self, command):
        environment = dict(os.environ)
        environment.pop("QT_QPA_PLATFORM", None)
        # No session bus is to be launched into the user's home.
        environment["DBUS_SESSION_BUS_ADDRESS"] = "disabled:"
        self._process = subprocess.Popen(command, env=environment, stdin=subprocess.DEVNULL)
        try:
            self.window = self._find_window()
        except ProgramError as error:
            # Chromium now and then ends at once with status 1 while another
            # of the suite's Chromiums is still going; a program that cannot
            # start fails again.
            if self._process.returncode in (None, 0):
                raise
            print(f"{error}; starting it once more", file=sys.stderr)
            self._process = subprocess.Popen(command, env=environment, stdin=subprocess.DEVNULL)
            self.window = self._find_window()
        self._read_geometry()
        xdotool("windowfocus", "--sync", str(self.window))
        self.settle()

    def _read_geometry(self):
        geometry = xdotool("getwindowgeometry", "--shell", str(self.window))
        values = dict(line.split("=", 1) for line in geometry.split())
        self.left, self.top = int(values["X"]), int(values["Y"])
        self.width, self.height = int(values["WIDTH"]), int(values["HEIGHT"])

    def _find_window(self):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if self._process.poll() is not None:
                raise ProgramError(f"the program ended at start, status {self._process.returncode}")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE_END + "$"],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return int(found[0])
            time.sleep(0.1)
        raise ProgramError("the window did not appear")

    @staticmethod
    def settle(seconds=0.3):
        time.sleep(seconds)

    # What the user does.

    def click(self, x, y, button=1, repeat=1):
        xdotool("mousemove", str(self.left + x), str(self.top + y))
        xdotool("click", "--repeat", str(repeat), "--delay", "80", str(button))
        self.settle()

    def drag(self, start, end):
        xdotool("mousemove", str(self.left + start[0]), str(self.top + start[1]))
        xdotool("mousedown", "1")
        for step in range(1, 6):
            x = start[0] + (end[0] - start[0]) * step // 5
            y = start[1] + (end[1] - start[1]) * step // 5
            xdotool("mousemove", str(self.left + x), str(self.top + y))
            time.sleep(0.05)
        xdotool("mouseup", "1")
        self.settle()

    def resize(self, width, height):
        """Asks for a new size of the window, as a user's drag of its border
        does; the window manager and the program may give another. The window
        moves to the screen's corner first, so that it stays on the screen."""
        xdotool("windowmove", str(self.window), "0", "0")
        xdotool("windowsize", str(self.window), str(width), str(height))
        self.settle(1.0)
        self._read_geometry()

    def key(self, *keys):
        for name in keys:
            xdotool("key", "--clearmodifiers", name)
            time.sleep(0.08)
        self.settle()

    def type(self, text):
        xdotool("type", "--delay", "60", text)
        self.settle()

    # What the user sees.

    def composition_text(self, box_point):
        """The composition box's text, copied with Ctrl+A, Ctrl+C. The clipboard
        shows every line break as LF."""
        self.click(*box_point)
        # A marker first, to tell a fresh copy from what the clipboard held;
        # an empty box copies nothing and leaves the marker.
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=MARKER.encode(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self.key("ctrl+a", "ctrl+c")
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            result = subprocess.run(["xclip", "-selection", "clipboard", "-o"],
                                    capture_output=True, timeout=5)
            text = result.stdout.decode("utf-8")
            if result.returncode == 0 and text != MARKER:
                return text
            time.sleep(0.1)
        return ""

    def picture(self):
        return xscreen.grab(self.left, self.top, self.width, self.height)

    def focused_window(self):
        return int(xdotool("getwindowfocus").strip())

    def running(self):
        return self._process.poll() is None

    # Its end.

    def close(self):
        """Closes the window as a window manager does, with WM_DELETE_WINDOW,
        and returns the exit status. A window manager asks again when the user
        clicks again; so does this, should a request come too early."""
        for attempt in range(1, 6):
            self._send_delete_window(attempt)
            try:
                return self._process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                pass
        raise ProgramError("the program did not end when its window was closed")

    def _send_delete_window(self, attempt):
        screen = xdisplay.Display()
        window = screen.create_resource_object("window", self.window)
        protocols = screen.intern_atom("WM_PROTOCOLS")
        delete = screen.intern_atom("WM_DELETE_WINDOW")
        # A distinct time stamp for each request, as a real one would have.
        stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF or attempt
        message = event.ClientMessage(window=window, client_type=protocols,
                                      data=(32, [delete, stamp, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        screen.flush()
        screen.close()

    def kill(self):
        if self._process.poll() is None:
            self._process.kill()
            self._process.wait()
