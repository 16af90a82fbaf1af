#!/usr/bin/env python3
"""Walks a running program's accessible tree through AT-SPI, as a screen reader sees it.

Usage: accessible_walk.py PID "window title|control name|rows|selected text"...
The named list reports that many rows (-1: a drop-down, not counted) and its selected entry's
first cell; every control that takes input has a name; no frame or text cell takes the focus.
Exits with the number of failures."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LISTS = [Atspi.Role.TABLE, Atspi.Role.TREE_TABLE, Atspi.Role.LIST]
INPUT = [Atspi.Role.PUSH_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.RADIO_BUTTON,
         Atspi.Role.COMBO_BOX, Atspi.Role.TEXT] + LISTS
failures = 0
checked = 0


def check(condition, what):
    global failures, checked
    checked += 1
    failures += 0 if condition else 1
    if not condition:
        print("FAILED: " + what, flush=True)


# One call for all matches: a call per widget would cost a round trip each.
def matches(frame, roles, states=()):
    rule = Atspi.MatchRule.new(Atspi.StateSet.new(list(states)), Atspi.CollectionMatchType.ALL,
                               {}, Atspi.CollectionMatchType.ALL, roles,
                               Atspi.CollectionMatchType.ANY, [], Atspi.CollectionMatchType.ALL,
                               False)
    return frame.get_matches(rule, Atspi.CollectionSortOrder.CANONICAL, 0, True)


def selected_text(node):
    if node.get_role() == Atspi.Role.COMBO_BOX:
        entry = node.get_selected_child(0)
        return entry.get_name() if entry else ""
    rows = node.get_selected_rows()
    return node.get_accessible_at(rows[0], 0).get_name() if rows else ""


def check_window(frame, expected):
    title = frame.get_name()
    found = {}
    for node in matches(frame, INPUT):
        role = node.get_role()
        # A drop-down's entries are a list of its own, read through the drop-down.
        if role in LISTS and node.get_parent().get_role() == Atspi.Role.COMBO_BOX:
            continue
        name = node.get_name()
        check(name != "", f"{title}: a {node.get_role_name()} has a name")
        if role == Atspi.Role.COMBO_BOX or role in LISTS:
            found.setdefault(name, []).append(node)
    passive = [Atspi.Role.PANEL, Atspi.Role.FILLER, Atspi.Role.LABEL]
    for node in matches(frame, passive, [Atspi.StateType.FOCUSABLE]):
        check(False, f"{title}: a {node.get_role_name()} \"{node.get_name()}\" takes no focus")
    for name, rows, selected in expected:
        same_name = found.get(name, [])
        check(same_name != [], f"{title}: \"{name}\" is there")
        if not same_name:
            continue
        node = same_name.pop(0)
        if rows >= 0:
            count = node.get_n_rows()
            check(count == rows, f"{title}: \"{name}\" reports {count} rows of {rows}")
        shown = selected_text(node)
        check(shown == selected, f"{title}: \"{name}\" reports \"{shown}\" selected, not \"{selected}\"")


def main():
    start = time.monotonic()
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
    took = time.monotonic() - start
    print(f"accessible walk: {len(frames)} windows, {checked} checks, {failures} failed, "
          f"{took:.1f} s", flush=True)
    sys.exit(min(failures, 100))


main()
