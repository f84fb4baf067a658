#!/usr/bin/python3
"""Zorbika's page, from a web server on loopback, as no screen shows it: what
a screen reader reads (roles, names and descriptions, the 122 rows, the
picked row), what axe-core finds against WCAG 2.2 and its best practices,
the preset from the top, pasted line breaks, that Ctrl+Z takes back typing
but never a text the program wrote, a finger's taps and swipes, that nothing is stored and nothing requested after load but
the offline cache's own, that the page's policy is never violated, that the
board fills a tablet, a whiteboard and a phone, and that once installed the
page opens with the server gone.

Usage: web_page.py SITE-DIR AXE-SCRIPT
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../support/browser"))
from devtools import Browser, Check, Site  # noqa: E402

TITLE = "https://zorbika.example.org\u00a0\u00a0Зорбика"
ROWS = ("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "абвгдежзийклмнопрстуфхцчшщьъюяАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЪЮЯ")
# Role and name of each control shown; the list and the text box tell more.
CONTROLS = [("textbox", "Текст"), ("listbox", "Букви и цифри"), ("button", "Интервал"),
            ("button", "Нов ред"), ("button", "Изчисти")]
DESCRIBED = {"Текст", "Букви и цифри"}
SITE_FILES = {"", "index.html", "manifest.webmanifest", "sw.js", "icon-180.png", "icon-192.png",
              "icon-512.png"}
FORM_SHOWN = "document.querySelector('main:not([hidden])')"
COMPOSITION_SELECTOR = 'textarea[aria-label="Текст"]'
COMPOSITION = repr(COMPOSITION_SELECTOR)


def accessibility(browser):
    nodes = browser.send("Accessibility.getFullAXTree")["nodes"]

    def value(node, key):
        return (node.get(key) or {}).get("value", "")
    return [(value(node, "role"), value(node, "name"), value(node, "description"),
             {item["name"]: item["value"].get("value") for item in node.get("properties", [])})
            for node in nodes if not node.get("ignored")]


def screen_reader(browser, check):
    check.equal(browser.evaluate("document.title"), TITLE, "the page's title")
    nodes = accessibility(browser)
    for role, name in CONTROLS:
        found = [node for node in nodes if node[0] == role and node[1] == name]
        check.equal(len(found), 1, f"a {role} named {name!r}")
        if found and name in DESCRIBED:
            check.true(found[0][2], f"{name!r} tells more than its name")
    options = [node[1] for node in nodes if node[0] == "option"]
    check.equal("".join(options), ROWS, "the list's 122 rows")
    check.true(not any(node[3].get("selected") for node in nodes if node[0] == "option"),
               "no row is selected at start")

    browser.click(*browser.centre_of("[role=option]:nth-child(6)"))
    picked = [node[1] for node in accessibility(browser)
              if node[0] == "option" and node[3].get("selected")]
    check.equal(picked, ["5"], "the picked row is the selected one")
    check.equal(text(browser), "5", "the text after the pick")


def text(browser):
    return browser.evaluate("document.querySelector(" + COMPOSITION + ").value")


def preset_and_paste(browser, check):
    check.equal(browser.evaluate(f"document.querySelector({COMPOSITION}).scrollTop"), 0,
                "the preset shows from the top")
    check.true(browser.evaluate("document.querySelector('textarea[aria-label=\"Цитат\"]').hidden"),
               "the quotation box stays hidden")
    browser.click(*browser.centre_of(COMPOSITION_SELECTOR))
    browser.evaluate(f"""(() => {{
        const area = document.querySelector({COMPOSITION});
        area.setSelectionRange(area.value.length, area.value.length);
        const data = new DataTransfer();
        data.setData('text/plain', 'x\\u2029y\\r\\nz\\rw');
        area.dispatchEvent(new ClipboardEvent('paste',
            {{ clipboardData: data, bubbles: true, cancelable: true }}));
    }})()""")
    check.true(text(browser).endswith("x\ny\nz\nw"),
               f"pasted line breaks of every spelling, got {text(browser)[-12:]!r}")


def undo_of_typing_only(browser, check):
    browser.click(*browser.centre_of(COMPOSITION_SELECTOR))
    browser.send("Input.insertText", text="ab")
    for _ in range(2):
        for kind in ("keyDown", "keyUp"):
            browser.send("Input.dispatchKeyEvent", type=kind, modifiers=2, key="z", code="KeyZ",
                         windowsVirtualKeyCode=90, commands=["undo"] if kind == "keyDown" else [])
        check.equal(text(browser), "5", "Ctrl+Z after a pick and typing")
    # The context menu's Undo and Redo reach the page as these.
    for kind, expected in (("historyRedo", "5ab"), ("historyUndo", "5")):
        browser.evaluate(f"""document.querySelector({COMPOSITION}).dispatchEvent(
            new InputEvent('beforeinput', {{ inputType: '{kind}', cancelable: true }}))""")
        check.equal(text(browser), expected, f"the menu's {kind}")


def axe_finds_nothing(browser, axe, check):
    """axe-core's WCAG 2.2 A and AA rules and its best practices, at the
    board's own size and at a tablet's."""
    with open(axe, encoding="utf-8") as script:
        browser.evaluate(script.read())
    rules = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22a", "wcag22aa", "best-practice"]
    for width, height in ((461, 345), (1024, 768)):
        browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                     deviceScaleFactor=1, mobile=False)
        browser.wait_for(f"document.documentElement.clientWidth === {width}")
        found = browser.evaluate(f"""axe.run(document, {{ runOnly: {{ type: 'tag',
            values: {rules} }} }}).then(result => result.violations.map(violation =>
            [violation.id, violation.impact, violation.nodes.length]))""")
        check.equal(found, [], f"{width} × {height}: what axe-core finds")
    browser.send("Emulation.clearDeviceMetricsOverride")


def touch(browser, check):
    """Taps and a swipe of one finger, as a touch screen sends them."""
    browser.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)

    def tap(x, y):
        browser.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        browser.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
    before = text(browser)
    tap(*browser.centre_of("[role=option]:nth-child(2)"))
    tap(*browser.centre_of("[role=option]:nth-child(2)"))
    check.equal(text(browser), before + "11", "a tap picks once, also on the selected row")
    x, y = browser.centre_of("[role=listbox]")
    browser.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y + 30}])
    for step in range(1, 8):
        browser.send("Input.dispatchTouchEvent", type="touchMove",
                     touchPoints=[{"x": x, "y": y + 30 - 10 * step}])
    browser.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
    check.true(browser.wait_for("document.querySelector('[role=listbox]').scrollTop > 0"),
               "a swipe scrolls the list")
    check.equal(text(browser), before + "11", "a swipe picks nothing")
    space = browser.evaluate("""(() => {
        const box = [...document.querySelectorAll('button')]
            .find(button => button.textContent === 'Интервал').getBoundingClientRect();
        return [box.left + box.width / 2, box.top + box.height / 2];
    })()""")
    tap(*space)
    time.sleep(0.15)
    tap(*space)
    # The page makes a click of a tap when the finger has lifted.
    expected = repr(before + "11  ")
    browser.wait_for(f"document.querySelector({COMPOSITION}).value === {expected}", 3)
    check.equal(text(browser), before + "11  ", "two quick taps on a button are two presses")
    check.equal(browser.evaluate("visualViewport.scale"), 1, "a double tap zooms nothing")
    browser.send("Emulation.setTouchEmulationEnabled", enabled=False)


def context_menus(browser, check):
    """As in a native window, only the text box has a menu of its own."""
    refused = browser.evaluate(f"""[
        document.querySelector('[role=option]'), document.querySelector('[role=listbox]'),
        document.querySelector('button'), document.querySelector({COMPOSITION}),
    ].map(element => !element.dispatchEvent(new MouseEvent('contextmenu',
        {{ bubbles: true, cancelable: true, button: 2 }})))""")
    check.equal(refused, [True, True, True, False],
                "no menu opens over a row, the list or a button; one does over the text")


def target_sizes(browser, check):
    """The board fills a tablet, a whiteboard and a phone, with rows and
    buttons a finger can hit (WCAG 2.5.8: 24 CSS pixels)."""
    def measure(width, height, mobile=False):
        browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                     deviceScaleFactor=1, mobile=mobile)
        if mobile:
            # A phone's browser sets its zoom as it loads the page.
            browser.send("Page.reload")
            browser.wait_for(FORM_SHOWN)
        browser.wait_for(f"document.documentElement.clientWidth === {width}")
        time.sleep(0.2)
        return browser.evaluate("""(() => {
            const box = element => element.getBoundingClientRect();
            const form = box(document.querySelector('main'));
            const targets = [...document.querySelectorAll('[role=option], button')]
                .map(element => box(element).height);
            window.scrollTo(1000, 0);
            return [form.left, form.top, form.width, form.height, Math.min(...targets),
                    [window.scrollX, visualViewport.scale, visualViewport.width]];
        })()""")

    for width, height in ((1024, 768), (1920, 1080)):
        left, top, board_width, board_height, least, _ = measure(width, height)
        binding = max(board_width / width, board_height / height)
        check.true(binding >= 0.95, f"{width} × {height}: the board fills {binding:.1%}")
        check.true(abs(2 * left + board_width - width) <= 2 and top >= 0,
                   f"{width} × {height}: the board is centred")
        if width == 1024:
            check.true(least >= 24, f"{width} × {height}: rows and buttons {least:.1f} px tall")
    left, top, board_width, _, _, viewport = measure(390, 844, mobile=True)
    check.true(left >= 0 and left + board_width <= 390,
               f"390 × 844: the whole board shows, {board_width:.1f} px wide")
    check.equal(viewport, [0, 1, 390], "390 × 844: no horizontal scrolling, nothing shrunk")
    browser.send("Emulation.clearDeviceMetricsOverride")


def nothing_kept(browser, check):
    browser.click(*browser.centre_of(COMPOSITION_SELECTOR))
    browser.send("Input.insertText", text="аб")
    browser.click(*browser.centre_of("button"))
    stored = browser.evaluate("""(async () => [document.cookie, localStorage.length,
        sessionStorage.length, (await indexedDB.databases()).length])()""")
    check.equal(stored, ["", 0, 0, 0], "cookies, local and session storage, IndexedDB")
    check.equal(browser.send("Network.getCookies")["cookies"], [], "cookies the browser holds")


def requests_after_load(browser, site, check):
    loaded = min((event["params"]["timestamp"] for event in browser.events
                  if event.get("method") == "Page.loadEventFired"), default=None)
    check.true(loaded is not None, "the page loads")
    for event in browser.events:
        if event.get("method") != "Network.requestWillBeSent":
            continue
        url = event["params"]["request"]["url"]
        if loaded is not None and event["params"]["timestamp"] > loaded:
            own = url.startswith(site.url) and url[len(site.url):] in SITE_FILES
            check.true(own, f"no request after load but the offline cache's own: {url}")


def no_violation(browser, check):
    for event in browser.events:
        if event.get("method") == "Log.entryAdded":
            entry = event["params"]["entry"]
            check.true(entry["level"] != "error", f"the console: {entry['text'][:200]}")
        elif event.get("method") == "Runtime.exceptionThrown":
            check.true(False, f"an exception: {str(event['params'])[:200]}")


def keyboard_picks_heard(browser, check):
    """With the focus in the list and nothing picked, each Down picks a row
    and makes it the list's active descendant, which a screen reader speaks,
    the first too."""
    browser.send("Page.reload")
    browser.wait_for(FORM_SHOWN)
    browser.evaluate("document.querySelector('[role=listbox]').focus()")
    for row in ("0", "1"):
        for kind in ("keyDown", "keyUp"):
            browser.send("Input.dispatchKeyEvent", type=kind, key="ArrowDown", code="ArrowDown",
                         windowsVirtualKeyCode=40)
        nodes = browser.send("Accessibility.getFullAXTree")["nodes"]
        names = {node.get("backendDOMNodeId"): (node.get("name") or {}).get("value")
                 for node in nodes}
        active = [related.get("backendDOMNodeId")
                  for node in nodes if (node.get("role") or {}).get("value") == "listbox"
                  for item in node.get("properties", []) if item["name"] == "activedescendant"
                  for related in item["value"].get("relatedNodes", [])]
        check.equal([names.get(node) for node in active], [row],
                    f"Down into the list makes {row!r} the active descendant")


def offline(browser, site, check):
    check.true(browser.wait_for("navigator.serviceWorker.controller", 20),
               "the service worker keeps the page")
    site.stop()
    browser.send("Page.reload")
    check.true(browser.wait_for(FORM_SHOWN, 20), "the page opens with the server gone")


def main(arguments):
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    site = Site(arguments[0])
    browser = Browser()
    check = Check()
    try:
        for domain in ("Network", "Log", "Runtime"):
            browser.send(domain + ".enable")
        browser.open(site.url)
        check.true(browser.wait_for(FORM_SHOWN), "the form shows")
        axe_finds_nothing(browser, arguments[1], check)
        preset_and_paste(browser, check)
        screen_reader(browser, check)
        undo_of_typing_only(browser, check)
        keyboard_picks_heard(browser, check)
        touch(browser, check)
        context_menus(browser, check)
        target_sizes(browser, check)
        nothing_kept(browser, check)
        browser.wait_for("navigator.serviceWorker.controller", 20)
        requests_after_load(browser, site, check)
        no_violation(browser, check)
        offline(browser, site, check)
    finally:
        browser.close()
        site.stop()
    return check.report("web page")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
