"""Reads the running program over the accessibility bus, as a screen reader does.

accessibility.py WINDOW_TITLE: checks the name and description of the controls found at their
places in the layout of that window; exits non-zero with a line per fault.
accessibility.py --message: prints the text of the message box that is showing (its labels, one
a line); exits non-zero when none comes up.
accessibility.py --labels WINDOW_TITLE: prints the texts of that window's labels, one a line.
accessibility.py --where WINDOW_TITLE NAME: prints the middle of the control or item of that name
in the window, as X Y on the screen, for a click; exits non-zero when there is none."""

import sys
import time

import pyatspi

PIXELS = 15  # twips to a pixel at 96 dpi

DROP_TIP = "ﾃｷｽﾄﾌｧｲﾙをここにﾄﾞﾛｯﾌﾟすると内容のすべてが、ｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送されます。"

# Per window: the place in twips, the role, and the name and description a screen reader reads.
MAIN = [
    ((825, 105, 2565, 330), "text", "Name", ""),
    ((825, 510, 2550, 330), "text", "Mail", ""),
    ((5460, 90, 1410, 330), "text", "ID", ""),
    ((5460, 510, 1410, 330), "text", "Pass", ""),
    ((825, 930, 6030, 330), "text", "Home", ""),
    ((825, 1365, 6030, 330), "text", "Title", ""),
    ((765, 2175, 8505, 3465), "text", "Comm.", ""),
    ((120, 4830, 600, 600), "list", "", DROP_TIP),
    ((90, 3975, 645, 330), "push button", "IE", "ＩＥを起動してﾀｸﾞの動作をチェック"),
]


def aux_memo():
    rows = [((480, 120 + row * 420, 6765, 330), "text", numeral, "")
            for row, numeral in enumerate("ⅠⅡⅢⅣⅤⅥ")]
    return rows + [((480, 2640, 6765, 2415), "text", "Ⅶ", "")]


WINDOWS = {
    "Quillo for Internet BBS": MAIN,
    "AUX Free Memo": aux_memo(),
    "AUX Free Memo 2": aux_memo(),
}


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def quillo_windows():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quillo":
            yield from (window for window in app if window is not None)


def find_window(title, deadline):
    while time.monotonic() < deadline:
        for window in quillo_windows():
            if window.name == title:
                return window
        time.sleep(0.1)
    sys.exit(f"no window titled {title!r} on the accessibility bus")


def labels(node):
    for child in node:
        if child is None:
            continue
        if child.getRoleName() == "label" and child.name:
            yield child.name
        yield from labels(child)


def named(node, name):
    for child in node:
        if child is None:
            continue
        if child.name == name:
            return child
        found = named(child, name)
        if found is not None:
            return found
    return None


def print_where(title, name):
    node = named(find_window(title, time.monotonic() + 20), name)
    if node is None:
        sys.exit(f"nothing named {name!r} in {title!r}")
    x, y, width, height = extents(node)
    print(x + width // 2, y + height // 2)


def print_message():
    """The message box has the program's title; its labels may show a moment after it."""
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        texts = list(labels(find_window("Quillo", deadline)))
        if texts:
            print("\n".join(texts))
            return
        time.sleep(0.1)
    sys.exit("the message box shows no text")


def check_window(title):
    window = find_window(title, time.monotonic() + 20)
    left, top, _, _ = extents(window)
    placed = {}
    for control in window:
        x, y, width, height = extents(control)
        placed[(control.getRoleName(), x - left, y - top, width, height)] = control

    faults = []
    for at, role, name, description in WINDOWS[title]:
        key = (role, *(value // PIXELS for value in at))
        control = placed.get(key)
        if control is None:
            faults.append(f"{title}: no {role} at {at}")
        elif (control.name, control.description) != (name, description):
            faults.append(f"{title}: the {role} at {at} reads as {control.name!r}, "
                          f"{control.description!r}; expected {name!r}, {description!r}")
    if faults:
        sys.exit("\n".join(faults))
    print(f"{title}: {len(WINDOWS[title])} controls read as expected")


if sys.argv[1] == "--message":
    print_message()
elif sys.argv[1] == "--where":
    print_where(sys.argv[2], sys.argv[3])
elif sys.argv[1] == "--labels":
    print("\n".join(labels(find_window(sys.argv[2], time.monotonic() + 20))))
else:
    check_window(sys.argv[1])
