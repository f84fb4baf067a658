#!/usr/bin/python3
"""What a child and a teacher see and do, as scenarios that drive a running
program only from outside. The same scenarios, with the same expectations,
run against the Linux program and against the Windows one under Wine.

Usage: scenarios.py --list
       scenarios.py SCENARIO DISPLAY-SESSION-DIR -- PROGRAM-COMMAND...
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../support/checks"))
from check import Check  # noqa: E402

# The window as a teacher measures it, in pixels of its client area at
# 96 dpi: left, top, width, height.
CLIENT = (461, 345)
LABEL = (112, 0, 233, 25)
SPACE_BUTTON = (160, 56, 113, 25)
NEW_LINE_BUTTON = (232, 96, 113, 25)
CLEAR_BUTTON = (320, 136, 113, 25)
LIST = (32, 48, 73, 118)
COMPOSITION = (8, 176, 449, 161)

BACKGROUND = (192, 192, 255)
ORANGE = (255, 192, 128)
GREEN = (0, 255, 0)
RED = (255, 0, 0)

ROWS = ("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "абвгдежзийклмнопрстуфхцчшщьъюяАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЪЮЯ")
PRESET_START = "Магнитна азбука е вид игра за деца."
PRESET_END = "съответния команден бутон.\n"

# A place in the composition box with no text under it: a click there puts
# the caret at the end of the text's last visible line, never mid-word.
COMPOSITION_POINT = (COMPOSITION[0] + 380, COMPOSITION[1] + 150)


def centre(rect):
    return (rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)


def scaled(rect, scale):
    return tuple(value * scale for value in rect)


def row_centres(program, scale=1):
    """The centres of the list's visible rows, found from their glyphs; the
    last may be cut off."""
    picture = program.picture()
    left, top, width, height = scaled(LIST, scale)
    bands = []
    inside = False
    for y in range(top + 2 * scale, top + height - 2 * scale):
        dark = any(sum(picture.pixel(x, y)) < 300
                   for x in range(left + 3 * scale, left + width - 22 * scale))
        if dark and not inside:
            bands.append([y, y])
        if dark:
            bands[-1][1] = y
        inside = dark
    # A focus frame's dotted lines are no glyphs.
    bands = [band for band in bands if band[1] - band[0] >= 3]
    if len(bands) < 3:
        raise AssertionError(f"cannot find the list's rows: {bands}")
    # The selected row's glyphs are light on the highlight: a band may be missing.
    pitch = min(later[0] - earlier[0] for earlier, later in zip(bands, bands[1:]))
    first = (bands[0][0] + bands[0][1]) // 2
    return [(left + 15 * scale, first + pitch * row) for row in range(len(bands))]


def text_of(program):
    return program.composition_text(COMPOSITION_POINT)


# The scenarios. Each takes a started program and a Check.

def start_state(program, check):
    check.equal((program.width, program.height), CLIENT, "client area")
    text = text_of(program)
    check.true(text.startswith(PRESET_START), f"the preset text at start, got {text[:60]!r}")
    check.true(text.endswith(PRESET_END), f"the preset text's end, got {text[-60:]!r}")
    check.equal(text.count("\n"), 11, "line breaks of the preset")


def picks(program, check):
    rows = row_centres(program)
    program.click(*rows[0])
    check.equal(text_of(program), "0", "the first pick wipes the preset")
    program.click(*rows[1])
    program.click(*rows[1])
    check.equal(text_of(program), "011", "a pick of the selected row picks it again")
    program.click(*rows[2], repeat=2)
    check.equal(text_of(program), "01122", "a double-click is two picks")


def double_clicks(program, check):
    rows = row_centres(program)
    program.click(*rows[0])
    program.click(*centre(SPACE_BUTTON), repeat=2)
    check.equal(text_of(program), "0  ", "a double-click on Интервал is two spaces")
    program.click(*centre(NEW_LINE_BUTTON), repeat=2)
    check.equal(text_of(program), "0  \n\n", "a double-click on Нов ред is two new lines")
    program.click(*centre(CLEAR_BUTTON), repeat=2)
    check.equal(text_of(program), "", "a double-click on Изчисти empties the box")
    program.click(*rows[3], repeat=3)
    check.equal(text_of(program), "333", "a triple-click is three picks")


def drag_wheel_and_right_button(program, check):
    rows = row_centres(program)
    program.drag(rows[0], rows[3])
    check.equal(text_of(program), "0", "a drag picks only the pressed row")
    program.click(*rows[2], button=3)
    program.click(*rows[2], button=5)
    program.click(*rows[2], button=4)
    check.equal(text_of(program), "0", "the right button and the wheel pick nothing")


def keyboard(program, check):
    rows = row_centres(program)
    program.click(*rows[0])
    program.key("Down", "Down", "Up")
    program.key("End")
    program.key("Home")
    program.key("Return")
    program.type("aA")
    program.key("ctrl+b")
    check.equal(text_of(program), "0121Я00aA", "arrows, End, Home, Enter and typed rows pick")


def buttons(program, check):
    program.click(*centre(SPACE_BUTTON))
    program.click(*centre(NEW_LINE_BUTTON))
    text = text_of(program)
    check.true(text.endswith(PRESET_END + " \n"), "a space and one new line after the preset")
    rows = row_centres(program)
    program.click(*rows[1])
    program.click(*centre(SPACE_BUTTON))
    program.click(*rows[2])
    program.click(*centre(NEW_LINE_BUTTON))
    program.click(*rows[3])
    check.equal(text_of(program), "1 2\n3", "space and new line between picks")
    program.click(*centre(CLEAR_BUTTON))
    check.equal(text_of(program), "", "the clear button empties the text")
    program.click(*rows[0])
    check.equal(text_of(program), "0", "a pick after clearing")


def typing(program, check):
    program.click(*COMPOSITION_POINT)
    program.key("ctrl+End")
    program.type("xyz")
    program.key("Return")
    text = text_of(program)
    check.true(text.endswith(PRESET_END + "xyz\n"), f"typed text is kept, got {text[-40:]!r}")
    program.key("Escape")
    check.true(program.running(), "Escape leaves the window open")
    rows = row_centres(program)
    program.click(*rows[1])
    program.click(*COMPOSITION_POINT)
    program.key("ctrl+End")
    program.type("q")
    program.key("shift+Return", "ctrl+Return")
    program.click(*rows[2])
    check.equal(text_of(program), "1q\n\n2", "the first pick wipes what was typed; Enter is one line break")


def undo(program, check):
    rows = row_centres(program)
    program.click(*rows[1])
    program.click(*rows[2])
    program.click(*COMPOSITION_POINT)
    program.key("ctrl+End")
    program.type("abc")
    program.key("ctrl+z")
    check.equal(text_of(program), "12", "Ctrl+Z takes back what was typed after the picks")
    program.key("ctrl+z")
    check.equal(text_of(program), "12", "no Ctrl+Z takes back a pick")
    program.key("ctrl+y")
    check.equal(text_of(program), "12abc", "Ctrl+Y makes the typing again")
    program.click(*rows[3])
    program.click(*COMPOSITION_POINT)
    program.key("ctrl+End")
    program.key("BackSpace", "ctrl+z", "ctrl+z")
    check.equal(text_of(program), "12abc3", "a Backspace goes back, and the pick stays")


def tab_order(program, check):
    # The composition box has the focus at start; then the list, the three
    # buttons, and round again.
    program.key("ctrl+End")
    program.type("w")
    program.key("Tab")
    check.true(program.running(), "Tab")
    program.type("5")
    program.key("Tab", "space")
    program.key("Tab", "space")
    program.key("Tab", "Tab")
    program.type("k")
    check.equal(text_of(program), "5 \nk", "Tab moves through list, buttons and back to the text")


def closing(program, check):
    check.equal(program.close(), 0, "exit status after closing the window")


def expect_layout(program, check, scale=1):
    """Every control where its place puts it at `scale`, to the pixel."""
    picture = program.picture()
    client = scaled(CLIENT, scale)

    def expect_rect(rect, inside, what):
        left, top, width, height = scaled(rect, scale)
        right, bottom = left + width - 1, top + height - 1
        middle_y = top + height // 2
        middle_x = left + 6 * scale
        if inside is not None:
            check.equal(picture.pixel(left + 4 * scale, top + 4 * scale), inside,
                        f"{what}: colour inside")
        for x, y, edge in ((left, middle_y, "left"), (right, middle_y, "right"),
                           (middle_x, top, "top"), (middle_x, bottom, "bottom")):
            check.true(picture.pixel(x, y) != BACKGROUND, f"{what}: its {edge} edge at ({x}, {y})")
        for x, y, edge in ((left - 1, middle_y, "left"), (right + 1, middle_y, "right"),
                           (middle_x, top - 1, "top"), (middle_x, bottom + 1, "bottom")):
            if 0 <= x < client[0] and 0 <= y < client[1]:
                check.equal(picture.pixel(x, y), BACKGROUND, f"{what}: outside its {edge} edge")

    check.equal(picture.pixel(2, 2), BACKGROUND, "the window's background")
    expect_rect(LABEL, ORANGE, "the title label")
    expect_rect(SPACE_BUTTON, GREEN, "Интервал")
    expect_rect(NEW_LINE_BUTTON, GREEN, "Нов ред")
    expect_rect(CLEAR_BUTTON, RED, "Изчисти")
    expect_rect(LIST, None, "the list")
    expect_rect(COMPOSITION, None, "the composition box")
    check.equal(picture.pixel((LIST[0] + 45) * scale, (LIST[1] + 4) * scale), (255, 255, 255),
                "the list's face")


def layout(program, check):
    expect_layout(program, check)


def title_ink_height(program, scale):
    """How many rows of the title's pixels show its caption's ink."""
    picture = program.picture()
    left, top, width, height = scaled(LABEL, scale)
    return sum(1 for y in range(top, top + height)
               if any(sum(picture.pixel(x, y)) < 300 for x in range(left, left + width)))


def zoom(program, check):
    rows = row_centres(program)
    program.click(*rows[1])
    program.click(*COMPOSITION_POINT)
    program.key("ctrl+End")
    program.type("ab")
    ink = title_ink_height(program, 1)

    program.resize(2 * CLIENT[0], 2 * CLIENT[1])
    check.equal((program.width, program.height), scaled(CLIENT, 2), "the window at twice its size")
    expect_layout(program, check, 2)
    check.true(1.75 * ink <= title_ink_height(program, 2) <= 2.25 * ink,
               f"the title's text twice as tall as its {ink} pixels")
    program.click(*row_centres(program, 2)[2])
    program.click(*centre(scaled(SPACE_BUTTON, 2)))
    check.equal(program.composition_text(scaled(COMPOSITION_POINT, 2)), "1ab2 ",
                "a pick and a press at the new places, and the text kept")

    program.resize(*CLIENT)
    expect_layout(program, check)
    check.equal(text_of(program), "1ab2 ", "the text kept at the usual size")
    if os.environ.get("ZORBIKA_BLACKBOX_LEAST_SIZE"):
        program.resize(CLIENT[0] // 2, CLIENT[1] // 2)
        check.true(program.width >= CLIENT[0] and program.height >= CLIENT[1],
                   f"no smaller than its usual size, got {program.width} × {program.height}")


SCENARIOS = {function.__name__: function for function in (
    start_state, picks, double_clicks, drag_wheel_and_right_button, keyboard, buttons, typing,
    undo, tab_order, closing, layout, zoom)}


def main(arguments):
    if arguments == ["--list"]:
        print(";".join(SCENARIOS))
        return 0
    if len(arguments) < 4 or arguments[2] != "--" or arguments[0] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        return 2
    name, session, command = arguments[0], arguments[1], arguments[3:]
    with open(os.path.join(session, "display")) as number:
        os.environ["DISPLAY"] = ":" + number.read().strip()
    # Only a run needs the X libraries; listing the scenarios does not.
    from driver import Program  # pylint: disable=import-outside-toplevel
    program = Program(command)
    check = Check()
    try:
        SCENARIOS[name](program, check)
    finally:
        program.kill()
    return check.report(name)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
