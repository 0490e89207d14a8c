#!/usr/bin/python3
"""Prints every showing object of the named application's accessibility tree as 'role<TAB>name',
one a line. Usage: accessible_tree.py APPLICATION-NAME. Runs on Debian's own python3, which has
pyatspi."""
import sys

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 60:
        return
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        role, name = node.getRoleName(), node.name
    except Exception:
        return
    if showing and name:
        print(f"{role}\t{name}")
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)


desktop = pyatspi.Registry.getDesktop(0)
for app in desktop:
    if app is not None and app.name.lower() == sys.argv[1].lower():
        walk(app)
