#!/usr/bin/python3
"""Prints every showing object of the named application's accessibility tree as 'role<TAB>name',
one a line. Usage: accessible_tree.py APPLICATION-NAME [--press NAME], or accessible_tree.py
--follow-focus [NAME]. With --press, instead runs
the press action of the showing push button or menu item named NAME and exits 1 when there is
none. With --follow-focus, presses Down a dozen times as a screen reader's user moves through an
open menu, and prints the menu items the focus reaches, in any application (a tray host may draw the
menu, and leave it out of its tree); given NAME, then runs the action of the item of that name and
exits 1 when the focus never reached one. Runs on Debian's own python3, which has pyatspi."""
import subprocess
import sys
import threading
import time

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


def follow_focus():
    """The menu items the focus reaches while Down is pressed, in order, each once."""
    reached = []

    def on_event(event):
        try:
            if event.detail1 == 1 and event.source.getRoleName() == "menu item":
                if event.source.name not in [name for name, _ in reached]:
                    reached.append((event.source.name, event.source))
        except Exception:
            pass

    def keys():
        time.sleep(0.5)
        for _ in range(12):
            subprocess.run(["xdotool", "key", "Down"], check=False)
            time.sleep(0.25)
        time.sleep(0.5)
        pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused", "object:state-changed:selected")
    threading.Thread(target=keys, daemon=True).start()
    pyatspi.Registry.start()
    return reached


if len(sys.argv) in (2, 3) and sys.argv[1] == "--follow-focus":
    reached = follow_focus()
    if len(sys.argv) == 2:
        for name, _ in reached:
            print(f"menu item\t{name}")
        sys.exit(0)
    for name, node in reached:
        if name == sys.argv[2]:
            node.queryAction().doAction(0)
            sys.exit(0)
    sys.exit(1)

if len(sys.argv) == 4 and sys.argv[2] == "--press":
    for app in application(sys.argv[1]):
        for node, role, name in showing(app):
            if role in ("push button", "menu item") and name == sys.argv[3]:
                # The press action by name, as screen readers choose it: an item that takes the
                # focus may list "SetFocus" first.
                action = node.queryAction()
                names = [action.getName(i).lower() for i in range(action.nActions)]
                action.doAction(names.index("press") if "press" in names else 0)
                sys.exit(0)
    sys.exit(1)

for app in application(sys.argv[1]):
    for _, role, name in showing(app):
        print(f"{role}\t{name}")
