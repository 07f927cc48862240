#!/usr/bin/env python3
"""Prints what a screen reader reads of Тривелон's windows: each accessible
object with its role, name and description, through the AT-SPI registry
(the tree Orca reads). Then counts the controls that take the focus and
those of them that have no name or only their value for one.

Run inside a D-Bus session with the AT-SPI bus and the program started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1; see scripts/atspi-check.sh."""
import sys

import pyatspi


def value_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return None


def walk(node, depth, found, in_list=False):
    states = node.getState()
    focusable = states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)
    name, role = node.name, node.getRoleName()
    labels = [target.name for relation in node.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
    line = "  " * depth + f"{role}: «{name}»"
    if node.description:
        line += f" — {node.description}"
    if labels:
        line += f" (подпись: {', '.join(labels)})"
    if states.contains(pyatspi.STATE_CHECKABLE):
        line += " [отмечен]" if states.contains(pyatspi.STATE_CHECKED) else " [не отмечен]"
    print(line)
    # An editable list's own text field is the list to a reader.
    if focusable and not in_list and role not in ("page tab list", "page tab", "list", "list item", "menu item"):
        found.append((role, name, value_of(node)))
    for child in node:
        if child is not None:
            walk(child, depth + 1, found, in_list or role == "combo box")


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.name.lower() in ("trivelon", "тривелон")]
    if not apps:
        sys.exit("Тривелон is not on the AT-SPI bus: " + ", ".join(str(app.name) for app in desktop if app))
    found = []
    for window in apps[0]:
        walk(window, 0, found)
    unnamed = [(role, name) for role, name, value in found if not name or name == value]
    print(f"\nполучают фокус: {len(found)}, без имени или названы значением: {len(unnamed)}")
    for role, name in unnamed:
        print(f"  {role}: «{name}»")
    sys.exit(1 if unnamed else 0)


main()
