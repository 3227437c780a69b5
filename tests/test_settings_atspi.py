#!/usr/bin/python3
"""The device dialog and the settings page of the real program driven from
outside, through the accessibility tree (AT-SPI) and a private X server's
pointer and keyboard: the first start's device dialog offers no virtual cable
and its output volume slider moves the sound server's volume and follows it;
a key bound to "Hear myself" in its key field mutes and unmutes the voice on
the speakers while another program has the focus, and leaves that program its
key; "Enable all shortcut keys" off holds the key back, also after a restart,
and on again gives it back.

Usage (under its own session bus, with PULSE_SERVER pointing at the private
sound server): dbus-run-session -- test_settings_atspi.py PROGRAM KEYSINK
"""

import math
import os
import re
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspitools import (accessible_env, connect, device_dialog, find, nodes, press, quit_program,  # noqa: E402
                        restart_and_check, start_x_server, stop, wait_for)
from cabletools import SPEAKERS, Tone, cable_rms, log_text, restore_sound_server  # noqa: E402

KEY = "ctrl+h"
ENGINE = "[capture] capturing Microphone"
SWITCH = "Enable all shortcut keys"
VOLUME = 40
VOICE = 0.5 / math.sqrt(2) * (VOLUME / 100) ** 3  # rms of the -6 dBFS tone on the speakers at 40 % (cubic)


class Screen:
    """The X server's pointer and keyboard."""

    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool"] + [str(a) for a in arguments], env=self.env, check=True)

    def click(self, node):
        import pyatspi
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.xdotool("mousemove", box.x + box.width // 2, box.y + box.height // 2, "click", "1")

    def keys(self, keys):
        self.xdotool("key", "--delay", "60", keys)


class KeySink:
    """Another program in front: a window that takes the focus and reports
    each key it gets."""

    def __init__(self, path, env):
        self.process = subprocess.Popen([path], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        text=True)
        assert self.process.stdout.readline().strip() == "ready", "the other program did not take the focus"
        self.lines = []
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        for line in self.process.stdout:
            self.lines.append(line.strip())

    def press(self, screen, keys):
        """Types `keys` and waits until the other program got the last of them."""
        line = "press " + keys.split("+")[-1]
        before = self.lines.count(line)
        screen.keys(keys)
        wait_for("the key in the other program", lambda: self.lines.count(line) > before, 5)


def heard():
    return cable_rms(device=SPEAKERS) > 0.5 * VOICE


def silent():
    return cable_rms(device=SPEAKERS) < 0.05 * VOICE


def held_back(screen, sink, what):
    """The key reaches the other program and the voice stays on the speakers:
    the program never turned 'Hear myself' off, and the voice is heard (a
    moment's dip of a busy machine's sound server is waited out; a key that
    got through would keep it silent)."""
    toggled = log_text().count("[ToolBar] Hear myself off")
    sink.press(screen, KEY)
    time.sleep(0.5)
    try:
        wait_for("the voice", heard, 3)
    except AssertionError:
        raise AssertionError("the key turned 'Hear myself' off " + what)
    assert log_text().count("[ToolBar] Hear myself off") == toggled, "the key turned 'Hear myself' off " + what


def toggles(screen, sink, app):
    """The key turns 'Hear myself' off and on, heard on the speakers and read
    on its tool bar button."""
    import pyatspi
    button = find(app, "Hear myself", ("push button", "toggle button", "check box"))
    checked = lambda: button.getState().contains(pyatspi.STATE_CHECKED)  # noqa: E731
    assert checked(), "'Hear myself' does not read as on"
    sink.press(screen, KEY)
    wait_for("the voice gone from the speakers by the key", silent, 5)
    assert not checked(), "'Hear myself' still reads as on"
    sink.press(screen, KEY)
    wait_for("the voice back on the speakers by the key", heard, 5)
    assert checked(), "'Hear myself' does not read as on again"


def settings(app):
    press(wait_for("the Settings tab", lambda: find(app, "Settings", ("page tab",)), 30))
    return wait_for("the switch", lambda: find(app, SWITCH, ("check box",)))


def switched_on(switch):
    import pyatspi
    return switch.getState().contains(pyatspi.STATE_CHECKED)


def speaker_volume():
    text = subprocess.run(["pactl", "get-sink-volume", "speakers"], capture_output=True, text=True).stdout
    return [int(v) for v in re.findall(r"(\d+)%", text)]


def listed(combo):
    return [n.name for n in nodes(combo) if n.getRoleName() == "list item"]


def device_flow(app):
    """The first start's device dialog: no cable in the lists, the output
    volume both ways between the slider and the server."""
    dialog = wait_for("the device set-up dialog", lambda: device_dialog(app), 10)
    wait_for("the cable on the server", lambda: "VB-Audio Virtual Cable" in subprocess.run(
        ["pactl", "list", "sinks"], capture_output=True, text=True).stdout)
    for name, device in (("Microphone", "Microphone"), ("Speakers", "Speakers")):
        combo = find(dialog, name, ("combo box",))
        # The lists fill again when a device comes or goes: read a filled one.
        offered = wait_for("'%s' in the list" % device, lambda: device in listed(combo) and listed(combo))
        assert not [o for o in offered if "VB-Audio" in o], "'%s' offers %s" % (name, offered)
    slider = find(dialog, "Output volume:", ("slider",)).queryValue()
    subprocess.run(["pactl", "set-sink-volume", "speakers", "70%"], check=True)
    wait_for("the slider following the server", lambda: slider.currentValue == 70, 5)
    slider.currentValue = VOLUME
    wait_for("the server at %d %%" % VOLUME, lambda: all(v == VOLUME for v in speaker_volume()), 5)
    # The slider stays where it was put when the meters read the server again.
    time.sleep(0.3)
    assert slider.currentValue == VOLUME, "the slider moved to %s" % slider.currentValue
    press(find(dialog, "OK", ("push button",)))
    wait_for("the device set-up dialog to close", lambda: device_dialog(app) is None)


def after_restart(keysink):
    """Run in a process of its own once the program has started again: the
    switch is still off and holds the key back; on again, the key works."""
    env = dict(os.environ)
    screen = Screen(env["DISPLAY"])
    launcher, app = connect(env)
    sink = None
    try:
        wait_for("the engine again", lambda: log_text().count(ENGINE) >= 2, 30)
        wait_for("the voice on the speakers after the restart", heard, 10)
        switch = settings(app)
        assert not switched_on(switch), "'%s' is on again after the restart" % SWITCH
        field = find(app, "Hear myself", ("editable text", "entry", "text"))
        assert field.description == "Ctrl+H", "the key field shows '%s' after the restart" % field.description
        sink = KeySink(keysink, env)
        held_back(screen, sink, "after the restart with all shortcut keys off")
        press(switch)
        wait_for("the switch on", lambda: switched_on(switch), 5)
        toggles(screen, sink, app)
        return 0
    finally:
        stop([sink and sink.process, launcher])


def main(program, keysink):
    server, display = start_x_server("1920x1200")
    env = accessible_env(display)
    screen = Screen(display)
    helpers = []
    tone = sink = None
    first = subprocess.Popen([program], env=env)
    try:
        launcher, app = connect(env)
        helpers.append(launcher)
        wait_for("the engine", lambda: ENGINE in log_text(), 30)
        device_flow(app)
        tone = Tone()
        wait_for("the voice on the speakers", heard, 10)

        # Ctrl+H bound in the field of "Hear myself".
        switch = settings(app)
        assert switched_on(switch), "'%s' is off on a first start" % SWITCH
        field = find(app, "Hear myself", ("editable text", "entry", "text"))
        screen.click(field)
        time.sleep(0.3)
        screen.keys(KEY)
        wait_for("the key shown in its field", lambda: field.description == "Ctrl+H", 5)

        # Another program in front: the key toggles the voice and that program still gets it.
        sink = KeySink(keysink, env)
        toggles(screen, sink, app)

        # All shortcut keys off: the key does nothing.
        press(switch)
        wait_for("the switch off", lambda: not switched_on(switch), 5)
        held_back(screen, sink, "with all shortcut keys off")
        stop([sink.process])
        sink = None

        # Exit and start again.
        quit_program(app, first)
        stop(helpers)
        helpers = []
        first, checked = restart_and_check(program, env, os.path.abspath(__file__), keysink)
        assert checked == 0, "the shortcut keys after the restart are not as they were left"
        return 0
    finally:
        if tone is not None:
            tone.stop()
        stop([sink and sink.process, first] + helpers + [server])
        restore_sound_server()


if __name__ == "__main__":
    try:
        sys.exit(after_restart(sys.argv[2]) if sys.argv[1] == "--after-restart" else main(sys.argv[1], sys.argv[2]))
    except AssertionError as error:
        print("test_settings_atspi: FAIL: %s" % error)
        print(log_text()[-4000:])
        sys.exit(1)
