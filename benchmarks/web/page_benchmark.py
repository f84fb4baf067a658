#!/usr/bin/python3
"""What the page costs in Chromium, headless: a pick through the real page,
with the text area's layout after it, while the composition box holds 100 to
1 000 000 code units in lines of about 60, beside a naive page that rewrites
the text area's value per pick; then navigation to the form's first paint,
against a plain HTML page of the same elements, texts and styles without
WebAssembly; and the page's size. Medians, in one run of one browser.

Usage: page_benchmark.py SITE-DIR
"""

import gzip
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../tests/support/browser"))
from devtools import Browser  # noqa: E402

SIZES = (100, 1000, 10_000, 100_000, 1_000_000)
LINE = "Магнитна азбука е вид игра за деца и се играе с букви 0123\n"
COMPOSITION = 'textarea[aria-label="Текст"]'
NAIVE = """<!DOCTYPE html><meta charset="utf-8"><body style="margin:0">
<textarea style="position:absolute;left:8px;top:176px;width:449px;height:161px;
font:16px 'Times New Roman',serif"></textarea>"""


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

NAIVE_PICKS = """(count => {
    const area = document.querySelector('textarea');
    const start = performance.now();
    for (let i = 0; i < count; ++i) {
        area.value = area.value + 'к';
        area.scrollTop = area.scrollHeight;
    }
    return (performance.now() - start) / count;
})"""


def picks(browser, page, units):
    browser.open(page)
    browser.wait_for(f"document.querySelector('{COMPOSITION}')")
    # The first pick wipes the preset; the text is then the user's.
    browser.evaluate(PICKS + "(1)")
    browser.click(*browser.centre_of(COMPOSITION))
    browser.send("Input.insertText", text=text_of(units))
    count = 20 if units <= 100_000 else 5
    # A round first, so that the code is compiled and warm.
    browser.evaluate(PICKS + f"({count})")
    return statistics.median(browser.evaluate(PICKS + f"({count})") for _ in range(3))


def naive_picks(browser, page, units):
    browser.open(page)
    browser.evaluate(f"document.querySelector('textarea').value = {text_of(units)!r}.replace"
                     "(/\\\\n/g, '\\n'), 1")
    count = 20 if units <= 10_000 else 3
    return statistics.median(browser.evaluate(NAIVE_PICKS + f"({count})") for _ in range(3))


FIRST_PAINT = """new Promise(done => {
    const seen = () => performance.getEntriesByName('first-contentful-paint')[0];
    const wait = () => seen() ? done(seen().startTime) : setTimeout(wait, 10);
    wait();
})"""


def first_paint(browser, page):
    browser.open(page)
    return browser.evaluate(FIRST_PAINT)


def plain_copy(browser, page, folder):
    """The page's form as it stands after start, as plain HTML."""
    browser.open(page)
    browser.wait_for("document.querySelector('[role=application]:not([hidden])')")
    body = browser.evaluate("""(() => {
        for (const area of document.querySelectorAll('textarea')) area.textContent = area.value;
        return document.body.innerHTML.replace(/<script[^]*?<\\/script>/g, '');
    })()""")
    path = os.path.join(folder, "plain.html")
    with open(path, "w", encoding="utf-8") as file:
        file.write('<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8"><title>'
                   'Зорбика</title></head><body style="margin: 0px;">' + body + "</body></html>")
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
        print("| code units in the box | pick | naive rewrite | ratio |")
        print("|---:|---:|---:|---:|")
        for units in SIZES:
            ours = picks(browser, page, units)
            theirs = naive_picks(browser, "file://" + naive, units)
            print(f"| {units:,} | {ours:.2f} ms | {theirs:.2f} ms | {theirs / ours:.1f} × |")
        plain = plain_copy(browser, page, folder)
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
