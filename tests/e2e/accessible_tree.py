#!/usr/bin/python3
"""Prints every showing object of the named application's accessibility tree as 'role<TAB>name',
one a line. Usage: accessible_tree.py APPLICATION-NAME [--press NAME]. With --press, instead runs
the first action of the showing push button named NAME and exits 1 when there is none. Runs on
Debian's own python3, which has pyatspi."""
import sys

import pyatspi


def showing(node, depth=0):
    """Yields (node, role, name) for every showing, named object under node."""
    if node is None or depth > 60:
        return
    try:
        shown = node.getState().contains(pyatspi.STATE_SHOWING)
        role, name = node.getRoleName(), node.name
    except Exception:
        return
    if shown and name:
        yield node, role, name
    for i in range(node.childCount):
        yield from showing(node.getChildAtIndex(i), depth + 1)


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == name.lower():
            yield app


if len(sys.argv) == 4 and sys.argv[2] == "--press":
    for app in application(sys.argv[1]):
        for node, role, name in showing(app):
            if role == "push button" and name == sys.argv[3]:
                node.queryAction().doAction(0)
                sys.exit(0)
    sys.exit(1)

for app in application(sys.argv[1]):
    for _, role, name in showing(app):
        print(f"{role}\t{name}")
