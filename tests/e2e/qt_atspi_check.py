"""Reads the running program's accessible tree over AT-SPI, as a screen reader does, and checks
every control against the table the core and both front-ends share (tests/ui/accessible_table.h)."""
import re
import sys

from qt_atspi_tree import find_application, nodes, read_until_whole

ROLES = {"EditableText": "text", "PushButton": "push button", "Grouping": "panel",
         "StaticText": "label"}


def expected_table(header):
    text = open(header, encoding="utf-8").read()
    rows = re.findall(r'\{ControlId::(\w+),\s*AccessibleRole::(\w+),\s*((?:"[^"]*"\s*)+)\}', text)
    return [(control, ROLES[role], "".join(re.findall(r'"([^"]*)"', name)))
            for control, role, name in rows]


def problems(app, header):
    found = [(n.getRoleName(), n.name, n.description) for n in nodes(app)]
    out = []
    for control, role, name in expected_table(header):
        if control == "Label4":
            name = "Folder 001"  # the preview is named by what it shows
        if not any(r == role and n == name for r, n, _ in found):
            out.append(f"FAIL {control}: no {role!r} named {name!r}")
    pattern = [d for r, n, d in found if r == "text" and n.startswith("New folder name format")]
    if pattern != ["Folder 001"]:
        out.append(f"FAIL the pattern box's description is {pattern}, not the preview")
    return out


def main(header):
    app = find_application()
    if app is None:
        print("FAIL: the program never appeared on the accessibility bus")
        return 1
    out = read_until_whole(lambda: problems(app, header))
    for line in out:
        print(line)
    return 1 if out else 0


sys.exit(main(sys.argv[1]))
