"""Prints the text of the program's message box that is showing, read over the accessibility bus
as a screen reader reads it: the texts of its labels, one a line.

Usage: messagetext.py; exits non-zero when no message box comes up."""

import sys
import time

import pyatspi

TITLE = "Quillo"


def labels(node):
    for child in node:
        if child is None:
            continue
        if child.getRoleName() == "label" and child.name:
            yield child.name
        yield from labels(child)


def main():
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != "Quillo":
                continue
            for window in app:
                if window is not None and window.name == TITLE:
                    texts = list(labels(window))
                    if texts:
                        print("\n".join(texts))
                        return
        time.sleep(0.1)
    sys.exit("no message box on the accessibility bus")


main()
