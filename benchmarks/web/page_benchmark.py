#!/usr/bin/python3
"""What the page costs in Chromium, headless: a pick through the real page,
with the text area's layout after it, while the composition box holds 100 to
1 000 000 code units in lines of about 60, beside the obvious port, the
page's elements as plain HTML whose list rewrites the text area's value per
press, and the cheapest appends of that text area; a paste and a typed
character beside a plain text area; a resize of the viewport to a whiteboard's
1920 × 1080 and back, each to its painted frame, with 10 000 and 1 000 000
code units, beside a bare text area given the same text, font change and
resize; then navigation to the form's first paint,
against a plain HTML page of the same elements, texts and styles without
WebAssembly; and the page's size. Medians, in one run of one browser.

Usage: page_benchmark.py SITE-DIR
"""

import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../tests/support/browser"))
from devtools import Browser  # noqa: E402

SIZES = (100, 1000, 10_000, 100_000, 1_000_000)
LINE = "Магнитна азбука е вид игра за деца и се играе с букви 0123\n"
COMPOSITION = 'textarea[aria-label="Текст"]'
# A plain text area: the composition box alone, as the page styles it, with
# its scroll bar, frame and padding.
NAIVE = """<!DOCTYPE html><meta charset="utf-8"><body style="margin:0">
<textarea style="position:absolute;left:8px;top:176px;width:449px;height:161px;
box-sizing:border-box;margin:0;padding:1px 2px;border:2px inset;overflow-y:scroll;resize:none;
outline:none;font:16px 'Times New Roman','Liberation Serif',Tinos,serif"></textarea>"""


def text_of(units):
    return (LINE * (units // len(LINE) + 1))[:units]


# Picks the row "к" as the mouse does, `count` times, each followed by the
# layout a screen would need; milliseconds a pick.
PICKS = """(count => {
    const list = document.querySelector('[role=listbox]');
    const row = list.children[72];
    const area = document.querySelector('%s');
    const start = performance.now();
    for (let i = 0; i < count; ++i) {
        row.dispatchEvent(new PointerEvent('pointerdown',
            { bubbles: true, pointerType: 'mouse', button: 0, isPrimary: true }));
        void area.scrollHeight;
    }
    return (performance.now() - start) / count;
})""" % COMPOSITION

# The obvious port of a pick: the page's own elements and styles as plain
# HTML, whose list rewrites the composition box's value on a press.
PORT = """<script>
const area = document.querySelector('%s');
document.querySelector('[role=listbox]').addEventListener('pointerdown', event => {
    const row = event.target.closest('[role=option]');
    if (row) {
        area.value = area.value + row.textContent;
        area.scrollTop = area.scrollHeight;
    }
});
</script>""" % COMPOSITION

# The cheapest appends any standard call gives the same box: setRangeText,
# and the editing command with the focus it needs.
FLOOR_PICKS = """((count, how) => {
    const area = document.querySelector('%s');
    const start = performance.now();
    for (let i = 0; i < count; ++i) {
        if (how === 'range') {
            area.setRangeText('к', area.textLength, area.textLength, 'end');
        } else {
            area.focus();
            area.setSelectionRange(area.textLength, area.textLength);
            document.execCommand('insertText', false, 'к');
            area.blur();
        }
        area.scrollTop = area.scrollHeight;
        void area.scrollHeight;
    }
    return (performance.now() - start) / count;
})""" % COMPOSITION


# Pastes `units` code units at the end, as the clipboard hands them over,
# then lays the text area out; milliseconds. The page's own handler takes the
# paste; a plain text area is given the text with setRangeText.
PASTE = """((units, plain) => {
    const area = document.querySelector('%s');
    const text = %s.repeat(Math.ceil(units / %d)).slice(0, units);
    area.focus();
    area.setSelectionRange(area.value.length, area.value.length);
    // The clipboard's part is the browser's, not the page's.
    const data = new DataTransfer();
    data.setData('text/plain', text);
    const paste = new ClipboardEvent('paste',
        { clipboardData: data, bubbles: true, cancelable: true });
    const start = performance.now();
    if (plain) {
        // And scrolled to the end, as the page shows a paste there.
        area.setRangeText(text, area.value.length, area.value.length, 'end');
        area.scrollTop = area.scrollHeight;
    } else {
        area.dispatchEvent(paste);
    }
    void area.scrollHeight;
    return performance.now() - start;
})"""


def pastes(browser, page, selector, units, plain):
    open_at_usual_size(browser, page, selector)
    if not plain:
        browser.evaluate(PICKS + "(1)")
    script = PASTE % (selector, repr(LINE), len(LINE))
    def emptied():
        browser.evaluate(f"""(() => {{
            const area = document.querySelector('{selector}');
            area.value = '';
            area.dispatchEvent(new Event('input'));
        }})()""")
    # A paste first, so that the code is compiled and warm; then each paste
    # into an empty box.
    browser.evaluate(script + f"(1000, {str(plain).lower()})")
    times = []
    for _ in range(3):
        emptied()
        times.append(browser.evaluate(script + f"({units}, {str(plain).lower()})"))
    result = statistics.median(times)
    value = browser.evaluate(f"document.querySelector('{selector}').value.length")
    browser.send("Emulation.clearDeviceMetricsOverride")
    if value < units:
        raise SystemExit(f"the paste of {units} left {value} code units")
    return result


def typed(browser, page, selector, units):
    """A character typed at the end of `units` code units, through the
    browser's own input, each to its layout; milliseconds a character."""
    open_at_usual_size(browser, page, selector)
    if selector == COMPOSITION:
        browser.evaluate(PICKS + "(1)")
    hold(browser, selector, units)
    browser.evaluate(f"document.querySelector('{selector}').focus()")
    count = 10
    times = []
    for _ in range(3):
        start = time.perf_counter()
        for _ in range(count):
            browser.send("Input.insertText", text="к")
            browser.evaluate(f"void document.querySelector('{selector}').scrollHeight")
        times.append((time.perf_counter() - start) * 1000 / count)
    browser.send("Emulation.clearDeviceMetricsOverride")
    return statistics.median(times)


def open_at_usual_size(browser, page, selector):
    """The page in a viewport of the board's own size, as Chromium's app
    window shows it: headless Chromium's window is no smaller than 500 wide."""
    browser.open(page)
    browser.send("Emulation.setDeviceMetricsOverride", width=461, height=345,
                 deviceScaleFactor=1, mobile=False)
    browser.wait_for(f"document.querySelector('{selector}')")


def hold(browser, selector, units):
    """The text area holding `units` code units, as a paste leaves it but
    without the paste's own time: Chromium inserts a long text into a text
    area that shows in time that grows with the square of its lines."""
    browser.evaluate(f"""(() => {{
        const area = document.querySelector('{selector}');
        area.value = {text_of(units)!r};
        area.setSelectionRange(area.value.length, area.value.length);
        area.dispatchEvent(new Event('input'));
    }})()""")


def pick_count(units):
    """Picks a round: many where each is short, so that a round is not noise,
    few enough that the text stays near its size."""
    return 50 if units <= 1000 else 20 if units <= 100_000 else 5


def rounds(browser, selector, units, script):
    """The median of five rounds of `script`, after one that warms the code
    up; each round starts from the same `units` code units, as the text
    grows with each pick."""
    times = []
    for _ in range(6):
        hold(browser, selector, units)
        times.append(browser.evaluate(script))
    return statistics.median(times[1:])


def picks(browser, page, units, wipe=True):
    """Picks on `page`, the real one or the port, each to its layout;
    milliseconds a pick."""
    open_at_usual_size(browser, page, COMPOSITION)
    if wipe:
        # The first pick wipes the preset; the text is then the user's.
        browser.evaluate(PICKS + "(1)")
    count = pick_count(units) if wipe or units <= 10_000 else 3
    result = rounds(browser, COMPOSITION, units, PICKS + f"({count})")
    browser.send("Emulation.clearDeviceMetricsOverride")
    return result


def floor_picks(browser, page, units, how):
    open_at_usual_size(browser, page, COMPOSITION)
    result = rounds(browser, COMPOSITION, units, FLOOR_PICKS + f"({pick_count(units)}, {how!r})")
    browser.send("Emulation.clearDeviceMetricsOverride")
    return result


# The floor of a resize: the composition box alone, a bare text area that
# takes the place and font the board would give it.
FLOOR = """<!DOCTYPE html><meta charset="utf-8"><body style="margin:0;overflow:hidden">
<textarea style="position:absolute;box-sizing:border-box;font-family:'Times New Roman',serif">
</textarea><script>
const fit = () => {
    const scale = Math.min(innerWidth / 461, innerHeight / 345);
    const style = document.querySelector('textarea').style;
    [style.left, style.top, style.width, style.height] =
        [8, 176, 449, 161].map(pixels => pixels * scale + 'px');
    style.fontSize = 16 * scale + 'px';
};
addEventListener('resize', fit);
fit();
</script>"""

# Waits for the next resize and the frame painted after it.
RESIZED = """window.rtResized = new Promise(done => addEventListener('resize',
    () => requestAnimationFrame(() => setTimeout(done, 0)), { once: true }))"""


def resize_round(browser):
    """Milliseconds from asking for 1920 × 1080 to its painted frame, and
    back to 461 × 345."""
    total = 0.0
    for width, height in ((1920, 1080), (461, 345)):
        browser.evaluate(RESIZED + ", 0")
        start = time.perf_counter()
        browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                     deviceScaleFactor=1, mobile=False)
        browser.evaluate("window.rtResized")
        total += time.perf_counter() - start
    return total * 1000


def resizes(browser, page, units, floor):
    selector = "textarea" if floor else COMPOSITION
    open_at_usual_size(browser, page, selector)
    if not floor:
        browser.evaluate(PICKS + "(1)")
    hold(browser, selector, units)
    resize_round(browser)
    result = statistics.median(resize_round(browser) for _ in range(7))
    browser.send("Emulation.clearDeviceMetricsOverride")
    return result


FIRST_PAINT = """new Promise(done => {
    const seen = () => performance.getEntriesByName('first-contentful-paint')[0];
    const wait = () => seen() ? done(seen().startTime) : setTimeout(wait, 10);
    wait();
})"""


def first_paint(browser, page):
    browser.open(page)
    return browser.evaluate(FIRST_PAINT)


def plain_copy(browser, page, path, script=""):
    """The page's form as it stands after start at the board's own size, as
    plain HTML, with `script` after it."""
    open_at_usual_size(browser, page, "main:not([hidden])")
    body = browser.evaluate("""(() => {
        for (const area of document.querySelectorAll('textarea')) area.textContent = area.value;
        return document.body.innerHTML.replace(/<script[^]*?<\\/script>/g, '');
    })()""")
    browser.send("Emulation.clearDeviceMetricsOverride")
    with open(path, "w", encoding="utf-8") as file:
        file.write('<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8"><title>'
                   'Зорбика</title></head><body style="margin: 0px;">' + body + script +
                   "</body></html>")
    return "file://" + path


def main(arguments):
    if len(arguments) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    site = os.path.abspath(arguments[0])
    page = "file://" + os.path.join(site, "index.html")
    folder = tempfile.mkdtemp(prefix="zorbika-bench-")
    naive = os.path.join(folder, "naive.html")
    with open(naive, "w", encoding="utf-8") as file:
        file.write(NAIVE)
    browser = Browser()
    try:
        port = plain_copy(browser, page, os.path.join(folder, "port.html"), PORT)
        print("| code units in the box | pick | the port's rewrite | ratio "
              "| floor: setRangeText | floor: editing command |")
        print("|---:|---:|---:|---:|---:|---:|")
        for units in SIZES:
            # In turns, so that a slower spell of the machine meets both.
            turns = [(picks(browser, page, units), picks(browser, port, units, wipe=False))
                     for _ in range(3)]
            ours = statistics.median(turn[0] for turn in turns)
            theirs = statistics.median(turn[1] for turn in turns)
            ranged = floor_picks(browser, port, units, "range")
            command = floor_picks(browser, port, units, "command")
            print(f"| {units:,} | {ours:.2f} ms | {theirs:.2f} ms | {theirs / ours:.1f} × "
                  f"| {ranged:.2f} ms | {command:.2f} ms |")
        floor = os.path.join(folder, "floor.html")
        with open(floor, "w", encoding="utf-8") as file:
            file.write(FLOOR)
        print("\n| code units pasted | the page's paste | setRangeText | ratio |")
        print("|---:|---:|---:|---:|")
        for units in (10_000, 30_000, 100_000, 1_000_000):
            ours = pastes(browser, page, COMPOSITION, units, False)
            theirs = pastes(browser, "file://" + naive, "textarea", units, True)
            print(f"| {units:,} | {ours:.1f} ms | {theirs:.1f} ms | {ours / theirs:.2f} × |")
        print("\n| code units in the box | a typed character | plain text area | ratio |")
        print("|---:|---:|---:|---:|")
        for units in (10_000, 100_000, 1_000_000):
            ours = typed(browser, page, COMPOSITION, units)
            theirs = typed(browser, "file://" + naive, "textarea", units)
            print(f"| {units:,} | {ours:.1f} ms | {theirs:.1f} ms | {ours / theirs:.2f} × |")
        print("\n| code units in the box | resize to 1920 × 1080 and back | bare text area | ratio |")
        print("|---:|---:|---:|---:|")
        for units in (10_000, 1_000_000):
            ours = resizes(browser, page, units, False)
            theirs = resizes(browser, "file://" + floor, units, True)
            print(f"| {units:,} | {ours:.1f} ms | {theirs:.1f} ms | {ours / theirs:.2f} × |")
        plain = plain_copy(browser, page, os.path.join(folder, "plain.html"))
        times = {page: [], plain: []}
        for run in range(15):
            for which in ((page, plain) if run % 2 == 0 else (plain, page)):
                times[which].append(first_paint(browser, which))
        ours, theirs = statistics.median(times[page]), statistics.median(times[plain])
        print(f"\nnavigation to first paint, median of 15: page {ours:.1f} ms, "
              f"plain HTML {theirs:.1f} ms, {ours / theirs:.2f} ×")
    finally:
        browser.close()
    with open(os.path.join(site, "index.html"), "rb") as file:
        raw = file.read()
    print(f"index.html: {len(raw):,} bytes, {len(gzip.compress(raw, 9)):,} gzipped")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
