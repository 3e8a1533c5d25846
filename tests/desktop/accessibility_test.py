"""Walks the accessibility tree of the running program and checks the names a screen
reader announces. Run by accessibility_test.sh inside a private X server and session bus."""

import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_application(name, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is not None and (app.get_name() or "").lower() == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, found, depth=0):
    if node is None or depth > 40:
        return
    try:
        focusable = node.get_state_set().contains(Atspi.StateType.FOCUSABLE)
        found.append((node.get_role_name(), node.get_name() or "", focusable, node))
        count = node.get_child_count()
    except gi.repository.GLib.Error:
        return
    for index in range(count):
        walk(node.get_child_at_index(index), found, depth + 1)


def wait_until(condition, tries=150):
    for _ in range(tries):
        if condition():
            return True
        time.sleep(0.2)
    return condition()


def walk_until(app, condition):
    """The tree once the condition holds of it: it fills in as windows finish showing."""
    nodes = []

    def filled():
        nodes.clear()
        walk(app, nodes)
        return condition(nodes)
    wait_until(filled)
    return nodes


def find(nodes, role, name):
    return next((node[3] for node in nodes if node[:2] == (role, name)), None)


def press(nodes, role, name):
    """Runs the first action of the named control, as a screen reader's user would."""
    node = find(nodes, role, name)
    if node is not None:
        node.do_action(0)
    return node is not None


def main():
    # The accessibility bus and its registry first, so the program finds them at start.
    Atspi.get_desktop(0).get_child_count()
    program = subprocess.Popen([sys.argv[1]])
    failures = []
    try:
        app = find_application("pocketrix")
        if app is None:
            print("FAIL: the program never appeared on the accessibility bus")
            return 1
        nodes = walk_until(app, lambda nodes: any(node[1] == "Alarm Clock" for node in nodes))
        names = {node[1] for node in nodes}
        named = {node[:2] for node in nodes}

        expected = [
            # The tabs, by their texts.
            "Programs", "System", "Calendar", "World Time", "Alarm Clock",
            # Picture buttons by their hints.
            "Lookabout", "Dialfolio", "Sumbright", "Swapulator", "Cogitron", "Jotter",
            # Arrow buttons of the alarm time and the year spinner.
            "Hour up", "Hour down", "Minute up", "Minute down", "Year up", "Year down",
            "Year",
            # Labels keep their texts; the alarm display reads as the time it shows.
            "Alarm Time", "00:00", "Alarm Set", "Time Since Startup:", "London",
            "Generate Reminder", "Help",
        ]
        for name in expected:
            if name not in names:
                failures.append(f"no control named {name!r}")

        gauges = [name for name in names if re.fullmatch(r"\d{1,3}% used", name)]
        if not gauges:
            failures.append("no gauge named by its percentage (\"N% used\")")
        # The calendar reads as its selected date, today, in the long form the title shows.
        titles = [node[1] for node in nodes if node[1].startswith("Pocketrix - ")]
        long_date = titles[0][len("Pocketrix - "):].split("  ")[0] if titles else None
        if long_date is None:
            failures.append("no main window titled with the date")
        else:
            # The month grid is a table of day cells named by their dates under day-name
            # column headers; today's cell is the selected one, and the focused one with the grid.
            grid, today = find(nodes, "table", long_date), find(nodes, "table cell", long_date)
            if grid is None or today is None or ("table column header", "Sun") not in named:
                failures.append(f"no month table named {long_date!r} with that day's cell and a header \"Sun\"")
            else:
                press(nodes, "page tab", "Calendar")
                states = today.get_state_set

                def focused():
                    # On a loaded machine the page may still be turning, or the window not yet
                    # active, when the focus is first asked for: ask again until it holds.
                    if states().contains(Atspi.StateType.FOCUSED):
                        return True
                    subprocess.run(["xdotool", "search", "--name", "^Pocketrix - ", "windowactivate"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
                    grid.grab_focus()
                    return False
                if not (wait_until(focused) and states().contains(Atspi.StateType.SELECTED)):
                    failures.append("today's cell is not selected and focused with the grid")
        # Drop-down lists are named by their labels; their choices read as their text.
        for label, value in (("Month:", long_date.split()[0] if long_date else ""), ("falls below:", "5 MB")):
            box = find(nodes, "combo box", label)
            if box is None:
                failures.append(f"no drop-down list named by its label {label!r}")
            elif box.get_text(0, -1) != value:
                failures.append(f"the list {label!r} reads {box.get_text(0, -1)!r}, not {value!r}")

        # Every window the user can open, opened through its control's action.
        for role, name in (("menu item", "Details..."), ("menu item", "About..."),
                           ("push button", "Generate Reminder"), ("push button", "Jotter")):
            press(nodes, role, name)
        inside = {("filler", "Help Reader"), ("filler", "Introduction"), ("text", "Heading"), ("text", "Text"),
                  ("text", "More text"), ("filler", "About Pocketrix"), ("filler", f"Generate Reminder For {long_date}"),
                  ("text", "Reminder text"), ("filler", "Jotter"), ("text", "Jotter text")}
        nodes = walk_until(app, lambda nodes: inside <= {node[:2] for node in nodes})
        for role, name in inside - {node[:2] for node in nodes}:
            failures.append(f"no {role} named {name!r} in the windows opened")
        if "--dump" in sys.argv:
            print([node[:3] for node in nodes])

        # Nothing the focus can reach goes without a name.
        for role, name, focusable, _ in nodes:
            if focusable and not name.strip():
                failures.append(f"a focusable {role} without a name")
    finally:
        program.terminate()
        try:
            program.wait(timeout=5)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()

    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"ok: {len(nodes)} accessible objects, all named as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
