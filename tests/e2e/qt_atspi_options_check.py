"""Reads the running program's Options dialog over AT-SPI, as a screen reader does, and checks
every field against the table the Qt test shares (tests/ui/options_accessible_table.h)."""
import re
import sys
import time

import pyatspi

ROLES = {"EditableText": "text", "ComboBox": "combo box", "CheckBox": "check box",
         "PushButton": "push button"}


def expected_table(header):
    text = open(header, encoding="utf-8").read()
    return [(ROLES[role], name)
            for role, name in re.findall(r'\{OptionsRole::(\w+),\s*"([^"]*)"\}', text)]


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def spoken(node):
    """The name, or where a field has none of its own (a list box on Linux), its label's."""
    names = [node.name]
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def find_dialog(seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != "quirebatch":
                continue
            for node in nodes(app):
                if node.getRoleName() == "dialog" and node.name == "Options":
                    return node
        time.sleep(0.2)
    return None


def main(header):
    dialog = find_dialog()
    if dialog is None:
        print("FAIL: no Options dialog on the accessibility bus")
        return 1
    found = [(n.getRoleName(), spoken(n)) for n in nodes(dialog)]
    failures = 0
    for role, name in expected_table(header):
        if not any(r == role and name in names for r, names in found):
            print(f"FAIL: no {role!r} named {name!r}")
            failures += 1
    return 1 if failures else 0


sys.exit(main(sys.argv[1]))
