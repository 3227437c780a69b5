#!/usr/bin/python3
"""A configuration folder that cannot be written (a read-only mount): the real
program starts with its default settings, says once that its settings cannot
be saved, runs on (capture starts, the main window answers), quits cleanly,
and leaves the folder as it was.

Usage (under its own session bus, with PULSE_SERVER pointing at the private
sound server): dbus-run-session -- test_readonly_atspi.py PROGRAM
"""

import os
import subprocess
import sys

from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspitools import (accessible_env, connect, device_dialog, find, nodes, press, quit_program,  # noqa: E402
                        start_x_server, stop, wait_for)
from cabletools import log_text, restore_sound_server  # noqa: E402

MESSAGE = "Cannot save "
ENGINE = "[capture] capturing Microphone"


def make_read_only(folder):
    """Root writes anywhere, so for root the folder is mounted read-only;
    anyone else gets its write permission taken. Answers the undo."""
    os.makedirs(folder, exist_ok=True)
    if os.geteuid() == 0:
        subprocess.run(["mount", "--bind", folder, folder], check=True)
        subprocess.run(["mount", "-o", "remount,ro,bind", folder], check=True)
        return lambda: subprocess.run(["umount", folder])
    os.chmod(folder, 0o555)
    return lambda: os.chmod(folder, 0o755)


def message_dialog(app):
    """The dialog holding the failed-save message, when it is open. (The
    start's windows come and go meanwhile: a node gone under the walk is
    taken as not there yet.)"""
    try:
        for node in nodes(app):
            if node.name.startswith(MESSAGE):
                while node is not None and node.getRoleName() != "dialog":
                    node = node.parent
                return node
    except GLib.GError:
        pass
    return None


def main(program):
    config = os.environ["XDG_CONFIG_HOME"]
    undo = make_read_only(config)
    server, display = start_x_server()
    env = accessible_env(display)
    helpers = []
    process = subprocess.Popen([program], env=env)
    try:
        launcher, app = connect(env)
        helpers.append(launcher)
        dialog = wait_for("the message that settings cannot be saved", lambda: message_dialog(app), 30)
        text = [node.name for node in nodes(dialog) if node.name.startswith(MESSAGE)][0]
        assert "read-only" in text, "the message does not say why: %s" % text
        press(find(dialog, "OK", ("push button",)))
        wait_for("the message to close", lambda: message_dialog(app) is None)
        wait_for("the engine", lambda: ENGINE in log_text(), 30)
        # A first start asks for the devices; with nothing to store, it asks
        # no more than that, and the message is not repeated.
        if wait_for_optional(lambda: device_dialog(app), 5):
            press(find(device_dialog(app), "OK", ("push button",)))
            wait_for("the device set-up dialog to close", lambda: device_dialog(app) is None)
        assert message_dialog(app) is None, "the message came again"
        quit_program(app, process)
        assert os.listdir(config) == [], "the read-only folder changed: %s" % os.listdir(config)
        return 0
    finally:
        stop([process] + helpers + [server])
        undo()
        restore_sound_server()


def wait_for_optional(probe, seconds):
    try:
        return wait_for("an optional dialog", probe, seconds)
    except AssertionError:
        return None


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1]))
    except AssertionError as error:
        print("test_readonly_atspi: FAIL: %s" % error)
        print(log_text()[-4000:])
        sys.exit(1)
