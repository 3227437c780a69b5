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
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
APPLICATION = "Zelvani Voice Changer"


def wait_for(what, probe, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(root, role, name):
    for node in nodes(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def start_x_server():
    display = 70
    while os.path.exists("/tmp/.X11-unix/X%d" % display) or os.path.exists("/tmp/.X%d-lock" % display):
        display += 1
    server = subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("the X server", lambda: os.path.exists("/tmp/.X11-unix/X%d" % display))
    return server, ":%d" % display


def main(gallery):
    server, display = start_x_server()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # The program starts before the accessibility bus: Qt 5.15 registers
    # with the bus only when it sees the bus appear (with the bus already
    # there it tries before it is connected, fails and never tries again).
    program = subprocess.Popen([gallery], env=env)
    launcher = None
    try:
        time.sleep(1.0)
        launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        import pyatspi  # after the bus exists

        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for i in range(desktop.childCount):
                child = desktop.getChildAtIndex(i)
                if child is not None and child.name == APPLICATION:
                    return child
            return None

        app = wait_for("the program on the accessibility bus", application)
        controls = [("page tab", "VoiceBox"), ("page tab", "Soundboard"), ("page tab", "3rd party access"),
                    ("page tab", "Settings"), ("push button", "Close"), ("check box", "Hear myself"),
                    ("check box", "Apply voice changer"), ("check box", "Enable all shortcut keys"),
                    ("text", "Search"), ("push button", "Clear"), ("progress bar", "Level 50 %"),
                    ("radio button", "Low latency"), ("radio button", "High quality"),
                    ("push button", "Ask a question")]
        for role, name in controls:
            assert wait_for("%s '%s'" % (role, name), lambda: find(app, role, name), 5.0)
        unnamed = [n.getRoleName() for n in nodes(app)
                   if n.getRoleName() in ("push button", "check box", "radio button", "page tab", "combo box")
                   and not n.name]
        assert not unnamed, "controls without a name: %s" % unnamed

        switch = find(app, "check box", "Apply voice changer")
        assert not switch.getState().contains(pyatspi.STATE_CHECKED)
        switch.queryAction().doAction(0)
        wait_for("the switch to turn on", lambda: switch.getState().contains(pyatspi.STATE_CHECKED))
        disabled = find(app, "check box", "Enable all shortcut keys")
        assert not disabled.getState().contains(pyatspi.STATE_ENABLED)

        find(app, "push button", "Ask a question").queryAction().doAction(0)
        delete = wait_for("the question's Delete button", lambda: find(app, "push button", "Delete"))
        assert find(app, "push button", "Cancel")
        assert any(n.getRoleName() == "label" and "Robot" in n.name for n in nodes(app))
        delete.queryAction().doAction(0)
        wait_for("the question to close", lambda: find(app, "push button", "Delete") is None)
        print("test_gallery_atspi: %d controls found by name, switch toggled, question answered" % len(controls))
        return 0
    finally:
        for process in (program, launcher, server):
            if process is not None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1]))
    except AssertionError as error:
        print("test_gallery_atspi: FAIL: %s" % error)
        sys.exit(1)
