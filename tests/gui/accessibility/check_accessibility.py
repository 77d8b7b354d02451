"""What a screen reader finds in Zelmora's window, through AT-SPI: the window, today's
dates, a changed field and the title's mark, read-only fields, the find box.
Run by check-accessibility, which starts the program; exits 1 on the first miss."""

import sys
import time

import pyatspi

TIMEOUT = 20.0


def fail(message):
    print("check-accessibility: " + message)
    sys.exit(1)


def fresh(accessible):
    accessible.clear_cache()  # read what the program says now, not what was cached
    return accessible


def states(accessible):
    return fresh(accessible).getState()


def walk(accessible, depth=0):
    yield accessible
    if depth < 15:
        for i in range(accessible.childCount):
            child = accessible.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)


def find(root, role, name, showing=True):
    for accessible in walk(root):
        if accessible.getRoleName() == role and accessible.name == name:
            if not showing or accessible.getState().contains(pyatspi.STATE_SHOWING):
                return accessible
    return None


def wait_for(what, probe):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("not found in time: " + what)


def main_window():
    for application in pyatspi.Registry.getDesktop(0):
        if application is None:
            continue
        for i in range(application.childCount):
            window = application.getChildAtIndex(i)
            if window is not None and window.getRoleName() == "frame" and window.name.startswith("Zelmora v3.0"):
                return window
    return None


def expect(condition, message):
    if not condition:
        fail(message)


window = wait_for("the main window, as a frame", main_window)
expect(window.name == "Zelmora v3.0", "the window's title: " + repr(window.name))

dates = wait_for("the dates list", lambda: find(window, "list", "Dates to celebrate"))
expect(dates.getChildAtIndex(0).description == "Today", "today's line says nothing of today")
expect(dates.getChildAtIndex(1).description == "", "tomorrow's line says it is today")

copy = find(window, "text", "Last Name")
expect(copy is not None, "no read-only Last Name on the Dates tab")
expect(states(copy).contains(pyatspi.STATE_READ_ONLY), "the Dates tab's card is not read-only")
expect(not states(copy).contains(pyatspi.STATE_EDITABLE), "the Dates tab's card says it is editable")

finder = find(window, "text", "Find", showing=False)
expect(finder is not None and finder.description == "Enter: next match, Escape: close",
       "no find box with its keys")

# To the friend cards, and a change typed through the bus as a screen reader's user would.
cards = wait_for("the Friends Data tab", lambda: find(window, "page tab", "Friends Data"))
cards.queryAction().doAction(0)
city = wait_for("the card's City", lambda: find(window, "text", "City"))
expect(states(city).contains(pyatspi.STATE_EDITABLE), "the card's City is not editable")
city.queryEditableText().setTextContents("Paris")
wait_for("the changed field's description",
         lambda: fresh(city).description == "Changed, not validated yet")
wait_for("the title's mark", lambda: fresh(window).name == "Zelmora v3.0 *")
expect(fresh(window).description == "The card holds changes not saved yet", "the window says nothing of the change")
print("check-accessibility: the window reads right through AT-SPI")
