#!/usr/bin/python3
"""The widget gallery read and driven from outside through the accessibility
tree (AT-SPI), the way a screen reader or another assistive tool does it:
every control is found by its role and name, a switch is toggled by its
action, and a question asked by a button is answered and goes away.

Usage (under its own session bus): dbus-run-session -- test_gallery_atspi.py GALLERY
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspitools import accessible_env, connect, find, nodes, start_x_server, stop, unnamed_controls, wait_for  # noqa: E402


def main(gallery):
    server, display = start_x_server()
    env = accessible_env(display)
    program = subprocess.Popen([gallery], env=env)
    launcher = None
    try:
        launcher, app = connect(env)
        import pyatspi  # after the bus exists

        controls = [("page tab", "VoiceBox"), ("page tab", "Soundboard"), ("page tab", "3rd party access"),
                    ("page tab", "Settings"), ("push button", "Close"), ("check box", "Hear myself"),
                    ("check box", "Apply voice changer"), ("check box", "Enable all shortcut keys"),
                    ("text", "Search"), ("push button", "Clear"), ("progress bar", "Level 50 %"),
                    ("radio button", "Low latency"), ("radio button", "High quality"),
                    ("push button", "Ask a question")]
        for role, name in controls:
            assert wait_for("%s '%s'" % (role, name), lambda: find(app, name, role), 5.0)
        unnamed = unnamed_controls(app)
        assert not unnamed, "controls without a name: %s" % unnamed

        switch = find(app, "Apply voice changer", "check box")
        assert not switch.getState().contains(pyatspi.STATE_CHECKED)
        switch.queryAction().doAction(0)
        wait_for("the switch to turn on", lambda: switch.getState().contains(pyatspi.STATE_CHECKED))
        disabled = find(app, "Enable all shortcut keys", "check box")
        assert not disabled.getState().contains(pyatspi.STATE_ENABLED)

        find(app, "Ask a question", "push button").queryAction().doAction(0)
        delete = wait_for("the question's Delete button", lambda: find(app, "Delete", "push button"))
        assert find(app, "Cancel", "push button")
        assert any(n.getRoleName() == "label" and "Robot" in n.name for n in nodes(app))
        delete.queryAction().doAction(0)
        wait_for("the question to close", lambda: find(app, "Delete", "push button") is None)
        print("test_gallery_atspi: %d controls found by name, switch toggled, question answered" % len(controls))
        return 0
    finally:
        stop([program, launcher, server])

if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1]))
    except AssertionError as error:
        print("test_gallery_atspi: FAIL: %s" % error)
        sys.exit(1)
