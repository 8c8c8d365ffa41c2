# SPDX-License-Identifier: GPL-3.0-or-later
"""Waits until the accessibility tree of the running program holds every expected name.

    atspi_names.py APPLICATION "ROLE:NAME" ...

Walks the tree of the application APPLICATION on the accessibility bus, as a screen
reader does, and exits 0 once each "role:name" pair is found on one control; after ten
seconds it prints what is missing, and the names it did find, and exits 1.
"""
import sys
import time

import pyatspi


def controls(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from controls(node.getChildAtIndex(i), depth + 1)


def found_names(application):
    desktop = pyatspi.Registry.getDesktop(0)
    names = set()
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name.lower() != application.lower():
            continue
        for control in controls(app):
            try:
                names.add(f"{control.getRoleName()}:{control.name}")
            except Exception:  # a control that went away while being read
                pass
    return names


def main():
    application, expected = sys.argv[1], set(sys.argv[2:])
    names = set()
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        names = found_names(application)
        if expected <= names:
            return 0
        time.sleep(0.3)
    print("missing:", sorted(expected - names), file=sys.stderr)
    print("found:", sorted(n for n in names if not n.endswith(":")), file=sys.stderr)
    return 1


sys.exit(main())
