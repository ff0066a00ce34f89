"""What the AT-SPI checks share: the program on the accessibility bus, its tree, and reading that
tree again until it is whole."""
import time

import pyatspi


def until(look, seconds=20, pause=0.2):
    """Asks look() again until it answers something, for up to `seconds`; its last answer."""
    deadline = time.time() + seconds
    while not (answer := look()) and time.time() < deadline:
        time.sleep(pause)
    return answer


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def find_application(name="quirebatch", seconds=20):
    return until(lambda: next((app for app in pyatspi.Registry.getDesktop(0)
                               if app is not None and app.name == name), None), seconds)


def read_until_whole(problems, seconds=20):
    """The program joins the bus before its windows are made: their tree fills in a moment later.
    Reads it with problems() again until it finds none, for up to `seconds`; its last list."""
    deadline = time.time() + seconds
    while (out := problems()) and time.time() < deadline:
        time.sleep(0.3)
    return out
