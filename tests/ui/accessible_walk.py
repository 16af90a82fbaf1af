#!/usr/bin/env python3
"""A running program's windows through AT-SPI, as a screen reader sees them.
PID FILE: every input has a name, no frame or text cell takes the focus, and each list of FILE
("window|name|rows, -1 not counted|selected first cell") reports those; exits with the number
of failures. PID --press NAME: presses the button NAME once the program shows it."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LISTS = [Atspi.Role.TABLE, Atspi.Role.TREE_TABLE, Atspi.Role.LIST]
INPUT = [Atspi.Role.PUSH_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.RADIO_BUTTON,
         Atspi.Role.COMBO_BOX, Atspi.Role.TEXT] + LISTS
failures = 0


def check(condition, what):
    global failures
    if not condition:
        failures += 1
        print("FAILED: " + what, flush=True)
    return condition


# One call for all matches: a call per widget would cost a round trip each.
def matches(frame, roles, states=()):
    rule = Atspi.MatchRule.new(Atspi.StateSet.new(list(states)), Atspi.CollectionMatchType.ALL,
                               {}, Atspi.CollectionMatchType.ALL, roles,
                               Atspi.CollectionMatchType.ANY, [], Atspi.CollectionMatchType.ALL,
                               False)
    return frame.get_matches(rule, Atspi.CollectionSortOrder.CANONICAL, 0, True)


def frames(pid):
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    app = next((a for a in apps if a is not None and a.get_process_id() == pid), None)
    return [app.get_child_at_index(i) for i in range(app.get_child_count())] if app else []


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
        check(node.get_name() != "", f"{title}: a {node.get_role_name()} has a name")
        if role == Atspi.Role.COMBO_BOX or role in LISTS:
            found.setdefault(node.get_name(), []).append(node)
    passive = [Atspi.Role.PANEL, Atspi.Role.FILLER, Atspi.Role.LABEL]
    for node in matches(frame, passive, [Atspi.StateType.FOCUSABLE]):
        check(False, f"{title}: a {node.get_role_name()} \"{node.get_name()}\" takes no focus")
    for name, rows, selected in expected:
        if check(found.get(name), f"{title}: \"{name}\" is there"):
            node = found[name].pop(0)
            check(rows < 0 or node.get_n_rows() == rows, f"{title}: \"{name}\" reports {rows} rows")
            shown = selected_text(node)
            check(shown == selected, f"{title}: \"{name}\" reports \"{shown}\", not \"{selected}\"")


def press(pid, name):
    for _ in range(300):
        for frame in frames(pid):
            for node in matches(frame, [Atspi.Role.PUSH_BUTTON], [Atspi.StateType.SHOWING]):
                if node.get_name() == name:
                    return 0 if node.do_action(0) else 1
        time.sleep(0.2)
    return 1


def walk(pid, file):
    expected = {}
    with open(file, encoding="utf-8") as lines:
        for line in lines:
            title, name, rows, selected = line.rstrip("\n").split("|")
            expected.setdefault(title, []).append((name, int(rows), selected))
    windows = {frame.get_name(): frame for frame in frames(pid)}
    for title in expected:
        check(title in windows, f"window \"{title}\" is there")
    for title, frame in windows.items():
        check_window(frame, expected.get(title, []))
    return min(failures, 100)


pid = int(sys.argv[1])
sys.exit(press(pid, sys.argv[3]) if sys.argv[2] == "--press" else walk(pid, sys.argv[2]))
