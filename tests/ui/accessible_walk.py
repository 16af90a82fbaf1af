#!/usr/bin/env python3
"""Walks the accessible tree of a running program through AT-SPI, as a screen reader sees it.

Usage: accessible_walk.py PID EXPECTATION...
Each expectation is "window title|control name|rows|selected text": the named list in that
window must report that many rows (-1: a drop-down, not counted) and the selected entry's
first cell. Besides, in every window every control that takes input has a name, and no
frame or text cell claims it can take the focus. Exits with the number of failures."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LISTS = {"table", "tree table", "list"}
INPUT = {"push button", "check box", "radio button", "combo box", "text"} | LISTS
failures = 0
checked = 0


def check(condition, what):
    global failures, checked
    checked += 1
    if not condition:
        print("FAILED: " + what, flush=True)
        failures += 1


def walk(node, inside_combo=False):
    yield node, inside_combo
    combo = inside_combo or node.get_role_name() == "combo box"
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        # A list's cells are its rows, checked through its table; a scroll bar takes no name.
        if child is not None and node.get_role_name() not in LISTS:
            yield from walk(child, combo)


def selected_text(node):
    if node.get_role_name() == "combo box":
        entry = node.get_selection_iface().get_selected_child(0)
        return entry.get_name() if entry else ""
    table = node.get_table_iface()
    rows = table.get_selected_rows()
    return table.get_accessible_at(rows[0], 0).get_name() if rows else ""


def check_window(frame, expected):
    title = frame.get_name()
    found = {}
    for node, inside_combo in walk(frame):
        role = node.get_role_name()
        states = node.get_state_set()
        if role in INPUT and not inside_combo:
            check(node.get_name() != "", f"{title}: a {role} has a name")
            if role == "combo box" or role in LISTS:
                found.setdefault(node.get_name(), []).append(node)
        if role in ("panel", "filler", "label"):
            if states.contains(Atspi.StateType.FOCUSABLE):
                check(False, f"{title}: a {role} \"{node.get_name()}\" takes no focus")
    for name, rows, selected in expected:
        same_name = found.get(name, [])
        check(same_name != [], f"{title}: \"{name}\" is there")
        if not same_name:
            continue
        node = same_name.pop(0)
        if rows >= 0:
            count = node.get_table_iface().get_n_rows()
            check(count == rows, f"{title}: \"{name}\" reports {count} rows of {rows}")
        shown = selected_text(node)
        check(shown == selected, f"{title}: \"{name}\" reports \"{shown}\" selected, not \"{selected}\"")


def main():
    pid = int(sys.argv[1])
    expected = {}
    for line in sys.argv[2:]:
        title, name, rows, selected = line.split("|")
        expected.setdefault(title, []).append((name, int(rows), selected))
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    app = next((a for a in apps if a is not None and a.get_process_id() == pid), None)
    check(app is not None, "the program is on the accessibility bus")
    frames = [app.get_child_at_index(i) for i in range(app.get_child_count())] if app else []
    titles = [f.get_name() for f in frames]
    for title in expected:
        check(title in titles, f"window \"{title}\" is there")
    for frame in frames:
        check_window(frame, expected.get(frame.get_name(), []))
    print(f"accessible walk: {len(frames)} windows, {checked} checks, {failures} failed", flush=True)
    sys.exit(min(failures, 100))


main()
