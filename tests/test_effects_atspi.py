#!/usr/bin/python3
"""The voice effect page of the real program driven from outside, through the
accessibility tree (AT-SPI) and the pointer and keyboard of a private X
server, as a user with an assistive tool would: a search typed into the
search field, an effect applied by a click and heard on the virtual cable
(the pitch of a 200 Hz tone moves), a slider moved and the voice saved as a
custom voice (the file on disk), a star, a key bound in a key box and fired
while another program has the focus and another group is shown, and all of
it back after a restart.

Prints the time from a click on an effect to the changed voice on the cable
(median of 10).

Usage (under its own session bus, with PULSE_SERVER pointing at the private
sound server): dbus-run-session -- test_effects_atspi.py PROGRAM KEYSINK
"""

import json
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspitools import (accessible_env, connect, dismiss_device_dialog, find, nodes, press, quit_program,  # noqa: E402
                        restart_and_check, start_x_server, stop, wait_for)
from cabletools import DATA, CablePitch, Tone, log_text, restore_sound_server  # noqa: E402

TONE = 150.0
FEMALE = 211.1  # the "Female" voice puts any speaker at its target pitch
CUSTOM = "Bright Me"


class Screen:
    """The X server's pointer and keyboard."""

    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool"] + [str(a) for a in arguments], env=self.env, check=True)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "click", "1")

    def keys(self, *keys):
        self.xdotool("key", "--delay", "60", *keys)


def extents(node):
    import pyatspi
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def items(app, list_name):
    """The rows of a list by name: {text: node}, headings and effects alike."""
    view = find(app, list_name, ("list", "table", "tree table"))
    if view is None:
        return {}
    return {n.name: n for n in nodes(view) if n.getRoleName() in ("list item", "table cell") and n.name}


class Page:
    """The effect page's rows, reached through the tree and clicked on screen."""

    def __init__(self, app, screen):
        self.app = app
        self.screen = screen

    def row(self, name):
        return wait_for("the row '%s'" % name, lambda: items(self.app, "Voices").get(name))

    def click_row(self, name, part="name"):
        x, y, width, height = extents(self.row(name))
        right = x + width - 12 - 8  # the row's content ends 12 px in, the key box 8 px before that
        at = {"name": (x + 100, y + height // 2),
              "key": (right - 61, y + height // 2),
              "star": (right - 122 - 36 + 12, y + height // 2)}[part]
        self.screen.click(*at)

    def group(self, name):
        tab = wait_for("the tab '%s'" % name, lambda: items(self.app, "Groups").get(name))
        x, y, width, height = extents(tab)
        self.screen.click(x + 33, y + height // 2)

    def applied(self):
        """The name the panel shows for the effect in force."""
        labels = [n.name for n in nodes(self.app) if n.getRoleName() == "label"]
        for name in ("Original voice", "Female", "Male", "Child", CUSTOM):
            if name in labels:
                return name
        return None


def search_flow(app, page):
    field = wait_for("the search field", lambda: find(app, "Search", ("text", "entry")))
    field.queryEditableText().setTextContents("FEM")
    wait_for("the search result", lambda: "Female" in items(app, "Voices") and "Male" not in items(app, "Voices"))
    field.queryEditableText().setTextContents("qqqq")
    wait_for("the empty state", lambda: [n for n in nodes(app) if n.getRoleName() == "label"
                                         and n.name.startswith("Sorry, there is no result")])
    field.queryEditableText().setTextContents("")
    wait_for("the group again", lambda: "Male" in items(app, "Voices"))


def click_latencies(page, pitch, rounds=10):
    """Seconds from a click on Female or Male to the moved pitch on the cable."""
    times = []
    for turn in range(rounds):
        # Female is in force at the start: Male first, then each in turn.
        name, test = (("Male", lambda f: 0 < f < TONE * 0.93) if turn % 2 == 0
                      else ("Female", lambda f: f > (TONE + FEMALE) / 2))
        x, y, width, height = extents(page.row(name))
        clicked = time.monotonic()
        page.screen.click(x + 100, y + height // 2)
        arrived = pitch.first_time(clicked, test)
        assert arrived is not None, "the cable never carried the voice of '%s'" % name
        times.append(arrived - clicked)
        time.sleep(0.4)
    return times


def after_restart():
    """Run in a process of its own once the program has started again: the
    applied voice, the star, the custom voice and the key are back."""
    env = dict(os.environ)
    screen = Screen(env["DISPLAY"])
    launcher, app = connect(env)
    pitch = CablePitch()
    try:
        page = Page(app, screen)
        wait_for("the restored voice", lambda: page.applied() == "Child", 30)
        wait_for("Child's voice after the restart", lambda: pitch.frequency() > FEMALE * 1.1, 15)
        page.group("Favorites")
        wait_for("the favourite", lambda: [k for k in items(app, "Voices") if k != "Favorites"] == ["Female"])
        page.group("Custom")
        page.click_row(CUSTOM)
        wait_for("the custom voice applied", lambda: page.applied() == CUSTOM, 10)
        wait_for("the custom voice as saved", lambda: pitch.frequency() > FEMALE * 1.1, 10)
        screen.keys("ctrl+k")
        wait_for("the key after the restart", lambda: page.applied() == "Child", 10)
        return 0
    finally:
        pitch.stop()
        stop([launcher])


def main(program, keysink):
    server, display = start_x_server("1920x1200")
    env = accessible_env(display)
    screen = Screen(display)
    helpers = []
    tone = pitch = sink = None
    first = subprocess.Popen([program], env=env)
    try:
        launcher, app = connect(env)
        helpers.append(launcher)
        page = Page(app, screen)
        wait_for("the effect list", lambda: page.row("Female"), 30)
        wait_for("the engine", lambda: "[capture] capturing Microphone" in log_text())
        dismiss_device_dialog(app)
        tone = Tone(TONE)
        pitch = CablePitch()
        wait_for("the plain voice on the cable", lambda: abs(pitch.frequency(0.5) - TONE) < 5, 10)

        search_flow(app, page)

        # Applied by a click, heard on the cable; the applied one again does nothing.
        page.group("People")
        page.click_row("Female")
        wait_for("the higher voice", lambda: abs(pitch.frequency() - FEMALE) < 8, 10)
        assert page.applied() == "Female"
        latencies = click_latencies(page, pitch)
        wait_for("Female again", lambda: page.applied() == "Female")

        # A slider moves the voice; "Save settings" keeps it as a custom voice.
        slider = wait_for("the pitch slider", lambda: find(app, "Target pitch", ("slider",)))
        slider.queryValue().currentValue = 95
        wait_for("the voice higher still", lambda: pitch.frequency() > FEMALE * 1.1, 10)
        press(find(app, "Save settings", ("push button",)))
        name = wait_for("the save dialog", lambda: find(app, "Name", ("text", "entry")))
        name.queryEditableText().setTextContents(CUSTOM)
        press(find(app, "Yes", ("push button",)))
        wait_for("the dialog closed", lambda: find(app, "Yes", ("push button",)) is None)
        with open(os.path.join(DATA, "config", "Custom.dat"), encoding="utf-8") as file:
            saved = [entry for entry in json.load(file) if entry.get("name") == CUSTOM]
        assert saved, "the custom voice is not on disk"
        wait_for("the sliders reset", lambda: abs(pitch.frequency() - FEMALE) < 8, 10)

        # A star, and a key bound in Child's key box.
        page.click_row("Female", "star")
        page.click_row("Child", "key")
        time.sleep(0.3)
        screen.keys("ctrl+k")
        time.sleep(0.3)

        # Another group shown, another program in front: the key still applies Child.
        page.group("Sci-Fi")
        sink = subprocess.Popen([keysink], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        assert sink.stdout.readline().strip() == "ready", "the other program did not take the focus"
        screen.keys("ctrl+k")
        wait_for("Child applied by its key", lambda: page.applied() == "Child", 10)
        wait_for("Child's voice on the cable", lambda: pitch.frequency() > FEMALE * 1.1, 10)
        stop([sink])
        sink = None

        # Exit and start again: the applied voice, the star, the custom voice and the key are back.
        quit_program(app, first)
        stop(helpers)
        helpers = []
        pitch.stop()
        pitch = None
        first, checked = restart_and_check(program, env, os.path.abspath(__file__))
        assert checked == 0, "the state after the restart is not as it was left"

        print("test_effects_atspi: click to changed voice on the cable: median %.0f ms (min %.0f, max %.0f, n=%d)"
              % (1000 * statistics.median(latencies), 1000 * min(latencies), 1000 * max(latencies), len(latencies)))
        return 0
    finally:
        if tone is not None:
            tone.stop()
        if pitch is not None:
            pitch.stop()
        stop([sink, first] + helpers + [server])
        restore_sound_server()


if __name__ == "__main__":
    try:
        sys.exit(after_restart() if sys.argv[1] == "--after-restart" else main(sys.argv[1], sys.argv[2]))
    except AssertionError as error:
        print("test_effects_atspi: FAIL: %s" % error)
        print(log_text()[-4000:])
        sys.exit(1)
