#!/usr/bin/python3
"""A run-time error in a page: the standard message in a modal dialog of the
page, with the program's name as its title; once it is dismissed the
program has ended, its form is gone and nothing responds. An error in Load
ends the program before its form shows.

Usage: error_dialog.py FAILING-PAGE-INDEX.html
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../support/browser"))
from devtools import Browser, Check  # noqa: E402

DIALOG = "document.querySelector('dialog[open]')"
FORM = "document.querySelector('main')"
MESSAGE_381 = "Грешка по време на изпълнение '381':"
MESSAGE_340 = "Грешка по време на изпълнение '340':"


def dialog_texts(browser):
    return browser.evaluate(f"""(() => {{
        const dialog = {DIALOG};
        return dialog && [dialog.getAttribute('role'), dialog.querySelector('h1').textContent,
                          dialog.querySelector('p').textContent];
    }})()""")


def dismiss(browser):
    browser.click(*browser.centre_of("dialog[open] button"))


def error_in_a_click(browser, check, page):
    browser.open(page)
    check.true(browser.wait_for(f"{FORM} && !{FORM}.hidden"), "the form shows")
    button = browser.evaluate("[...document.querySelectorAll('button')]"
                              ".findIndex(b => b.textContent === 'Добре')")
    selector = f"button:nth-of-type({button + 1})"
    browser.click(*browser.centre_of(selector))
    check.true(browser.wait_for(DIALOG), "a dialog after the failing click")
    texts = dialog_texts(browser) or ["", "", ""]
    check.equal(texts[0], "alertdialog", "the dialog's role")
    check.equal(texts[1], "Проба", "the dialog's title")
    check.true(texts[2].startswith(MESSAGE_381), f"the message, got {texts[2]!r}")
    check.true(browser.evaluate(f"{DIALOG}.matches(':modal')"), "the dialog is modal")
    dismiss(browser)
    check.true(browser.wait_for(f"!{DIALOG} && !{FORM}"), "the form is gone once it is dismissed")
    check.true(browser.evaluate("document.querySelectorAll('[role=listbox], textarea').length")
               == 0, "no control is left to respond")


def error_in_load(browser, check, page):
    browser.open(page + "#load")
    check.true(browser.wait_for(DIALOG), "a dialog for the error in Load")
    texts = dialog_texts(browser) or ["", "", ""]
    check.true(texts[2].startswith(MESSAGE_340), f"the message, got {texts[2]!r}")
    check.true(browser.evaluate(f"!{FORM} || {FORM}.hidden"), "the form never shows")
    dismiss(browser)
    check.true(browser.wait_for(f"!{DIALOG} && !{FORM}"), "nothing is left once it is dismissed")


def main(arguments):
    if len(arguments) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    page = "file://" + os.path.abspath(arguments[0])
    check = Check()
    for scenario in (error_in_a_click, error_in_load):
        browser = Browser()
        try:
            scenario(browser, check, page)
        finally:
            browser.close()
    return check.report("error dialog")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
