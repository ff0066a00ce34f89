"""Reads the running program's Options dialog over AT-SPI, as a screen reader does, and checks
every field against the table the Qt test shares (tests/ui/options_accessible_table.h)."""
import re
import sys

import pyatspi
from qt_atspi_tree import find_application, nodes, read_until_whole, until

ROLES = {"EditableText": "text", "ComboBox": "combo box", "CheckBox": "check box",
         "PushButton": "push button"}


def expected_table(header):
    text = open(header, encoding="utf-8").read()
    return [(ROLES[role], name)
            for role, name in re.findall(r'\{OptionsRole::(\w+),\s*"([^"]*)"\}', text)]


def spoken(node):
    """The name, or where a field has none of its own (a list box on Linux), its label's."""
    names = [node.name]
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def find_dialog(app):
    return until(lambda: next((node for node in nodes(app)
                               if node.getRoleName() == "dialog" and node.name == "Options"), None))


def problems(dialog, header):
    found = [(n.getRoleName(), spoken(n)) for n in nodes(dialog)]
    return [f"FAIL: no {role!r} named {name!r}" for role, name in expected_table(header)
            if not any(r == role and name in names for r, names in found)]


def main(header):
    app = find_application()
    dialog = find_dialog(app) if app is not None else None
    if dialog is None:
        print("FAIL: no Options dialog on the accessibility bus")
        return 1
    out = read_until_whole(lambda: problems(dialog, header))
    for line in out:
        print(line)
    return 1 if out else 0


sys.exit(main(sys.argv[1]))
