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
        found.append((node.get_role_name(), node.get_name() or ""))
        count = node.get_child_count()
    except gi.repository.GLib.Error:
        return
    for index in range(count):
        walk(node.get_child_at_index(index), found, depth + 1)


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
        nodes = []
        # The tree fills in as the windows finish showing; wait for the main window's pages.
        for _ in range(50):
            nodes = []
            walk(app, nodes)
            if any(name == "Alarm Clock" for _, name in nodes):
                break
            time.sleep(0.2)
        names = {name for _, name in nodes}
        if "--dump" in sys.argv:
            print(nodes)

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
        titles = [name for role, name in nodes if name.startswith("Pocketrix - ")]
        long_date = titles[0][len("Pocketrix - "):].split("  ")[0] if titles else None
        if long_date is None:
            failures.append("no main window titled with the date")
        elif ("frame", long_date) not in nodes:
            failures.append(f"no calendar named {long_date!r}")

        # Every push button, check box, list and text box a user operates has a name.
        operated = {"push button", "toggle button", "check box", "combo box", "text", "spin button"}
        for role, name in nodes:
            if role in operated and not name.strip():
                failures.append(f"a {role} without a name")
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
