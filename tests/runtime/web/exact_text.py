#!/usr/bin/python3
"""The exact text of a page's text box follows every kind of edit the user
makes: typing, Backspace and Delete, typing over a selection, Enter with and
without Shift, a paste of any line breaks, a cut, undo and redo. After each,
the box's Text must be its value with CR LF for every line break; Alt+Enter
adds nothing. A paste of a million code units, then typing, then a pick give
exactly the text expected.

Usage: exact_text.py EXACT-TEXT-PAGE-INDEX.html
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../support/browser"))
from devtools import Browser, Check  # noqa: E402

AREA = "document.querySelector('textarea:not([hidden])')"
# DevTools' modifier bits.
ALT, SHIFT = 1, 8


def key(browser, name, code, text="", modifiers=0, commands=()):
    for kind in ("keyDown", "keyUp"):
        browser.send("Input.dispatchKeyEvent", type=kind, key=name, modifiers=modifiers,
                     windowsVirtualKeyCode=code, text=text if kind == "keyDown" else "",
                     commands=list(commands) if kind == "keyDown" else [])


def select(browser, start, end):
    browser.evaluate(f"{AREA}.setSelectionRange({start}, {end})")


def paste(browser, text):
    browser.evaluate(f"""(() => {{
        const data = new DataTransfer();
        data.setData('text/plain', {text!r});
        {AREA}.dispatchEvent(new ClipboardEvent('paste',
            {{ clipboardData: data, bubbles: true, cancelable: true }}));
    }})()""")


EDITS = [
    ("typing at the end", lambda b: (select(b, 13, 13), b.send("Input.insertText", text="аб"))),
    ("Backspace", lambda b: key(b, "Backspace", 8, commands=["deleteBackward"])),
    ("typing over a selection", lambda b: (select(b, 8, 12), b.send("Input.insertText", text="мир"))),
    ("Delete at the start", lambda b: (select(b, 0, 0),
                                       key(b, "Delete", 46, commands=["deleteForward"]))),
    ("Backspace over a selection", lambda b: (select(b, 2, 5),
                                              key(b, "Backspace", 8, commands=["deleteBackward"]))),
    ("Enter", lambda b: (select(b, 4, 4), key(b, "Enter", 13, "\r"))),
    ("Shift+Enter", lambda b: key(b, "Enter", 13, "\r", SHIFT)),
    ("a surrogate pair typed", lambda b: b.send("Input.insertText", text="\U0001F600")),
    ("Backspace over it", lambda b: key(b, "Backspace", 8, commands=["deleteBackward"])),
    ("a paste of every spelling of a line break",
     lambda b: (select(b, 1, 3), paste(b, "x\ny\r\nz\rw"))),
    ("a cut", lambda b: (select(b, 0, 3), key(b, "x", 88, modifiers=2, commands=["cut"]))),
    ("undo", lambda b: key(b, "z", 90, modifiers=2, commands=["undo"])),
    ("redo", lambda b: key(b, "z", 90, modifiers=2 | SHIFT, commands=["redo"])),
]


def every_edit(browser, check):
    browser.evaluate(f"{AREA}.focus()")
    for what, edit in EDITS:
        edit(browser)
        browser.evaluate("rtReport()")
        exact, value = browser.evaluate(f"[window.rtExact, {AREA}.value]")
        check.equal(exact, value.replace("\n", "\r\n"), f"Text after {what}")
    before = browser.evaluate(f"{AREA}.value")
    key(browser, "Enter", 13, "\r", ALT)
    check.equal(browser.evaluate(f"{AREA}.value"), before, "Alt+Enter adds nothing")
    picks_and_the_selection(browser, check, "short")


def picks_and_the_selection(browser, check, size):
    """A caret at the end follows a pick; a selection up to the end stays."""
    row = browser.centre_of("[role=option]:nth-child(2)")
    end = browser.evaluate(f"{AREA}.textLength")
    select(browser, end, end)
    browser.click(*row)
    end += 1
    check.equal(browser.evaluate(f"[{AREA}.selectionStart, {AREA}.selectionEnd]"), [end, end],
                f"the caret after a pick at the end of a {size} text")
    select(browser, 2, end)
    browser.click(*row)
    check.equal(browser.evaluate(f"[{AREA}.selectionStart, {AREA}.selectionEnd]"), [2, end],
                f"a selection up to the end of a {size} text, after a pick")


def a_long_paste_typing_and_a_pick(browser, check):
    line = "Магнитна азбука е вид игра за деца и се играе с букви 012\n"
    pasted = (line * (1_000_000 // len(line) + 1))[:1_000_000]
    browser.evaluate(f"{AREA}.focus()")
    select(browser, 0, browser.evaluate(f"{AREA}.textLength"))
    paste(browser, pasted)
    browser.send("Input.insertText", text="я")
    browser.click(*browser.centre_of("[role=option]:nth-child(2)"))
    browser.evaluate("rtReport()")
    exact = browser.evaluate("window.rtExact")
    expected = pasted.replace("\n", "\r\n") + "яу"
    check.true(exact == expected, f"Text after a paste of a million, typing and a pick: "
               f"{len(exact)} code units ending {exact[-8:]!r}, not {len(expected)}")
    picks_and_the_selection(browser, check, "long")


def main(arguments):
    if len(arguments) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    page = "file://" + os.path.abspath(arguments[0])
    check = Check()
    browser = Browser()
    try:
        for scenario in (every_edit, a_long_paste_typing_and_a_pick):
            browser.open(page)
            check.true(browser.wait_for(f"{AREA} && window.rtReport"), "the page starts")
            scenario(browser, check)
    finally:
        browser.close()
    return check.report("exact text")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
