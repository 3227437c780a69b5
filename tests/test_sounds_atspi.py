#!/usr/bin/python3
"""The soundboard of the real program driven from outside, through the
accessibility tree (AT-SPI) and a private X server's pointer and keyboard:
files imported through the file dialog (a broken one refused), sounds played,
paused and resumed by clicks and heard on the virtual cable, a sound's own
volume, a star, a key fired while another program has the focus, a delete
after a question, and what is left after a restart. Prints the time from a
click on a sound to its audio on the cable (median of 10).

Usage (under its own session bus, with PULSE_SERVER pointing at the private
sound server): dbus-run-session -- test_sounds_atspi.py PROGRAM KEYSINK
"""

import array
import json
import math
import os
import statistics
import subprocess
import sys
import time
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspitools import (accessible_env, connect, dismiss_device_dialog, find, nodes, press, quit_program,  # noqa: E402
                        restart_and_check, start_x_server, stop, wait_for)
from cabletools import DATA, CablePitch, cable_rms, log_text, restore_sound_server  # noqa: E402

LOW, HIGH = "tone440", "tone660"
KEY = "ctrl+2"
IMPORTS = os.path.join(DATA, "config", "SoundImport.dat")
ENGINE = "[capture] capturing Microphone"
FULL = 0.5 / math.sqrt(2)  # rms of the files' sine at -6 dBFS


def near(frequency, target):
    # 20 ms blocks count whole zero crossings: 50 Hz steps.
    return abs(frequency - target) < 60


def write_tone(path, frequency, seconds=3.0, rate=48000):
    """A sine at -6 dBFS as a 16-bit stereo WAV file."""
    samples = array.array("h")
    for i in range(int(seconds * rate)):
        samples.extend([int(16384 * math.sin(2 * math.pi * frequency * i / rate))] * 2)
    with wave.open(path, "wb") as file:
        file.setparams((2, 2, rate, 0, "NONE", "not compressed"))
        file.writeframes(samples.tobytes())


def extents(node):
    import pyatspi
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def window_saying(app, text):
    """The top-level window (a dialog) with a label that contains `text`; None
    also while a window goes away under the search (its nodes vanish)."""
    from gi.repository import GLib
    try:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and any(n.getRoleName() == "label" and text in n.name for n in nodes(window)):
                return window
    except GLib.GError:
        pass
    return None


class Board:
    """The soundboard page: its controls found within the page (the voice
    page has a group bar and a Delete button too), its rows clicked on screen."""

    def __init__(self, app, display):
        self.app = app
        self.env = dict(os.environ, DISPLAY=display)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool"] + [str(a) for a in arguments], env=self.env, check=True)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "click", "1")

    def keys(self, keys):
        self.xdotool("key", "--delay", "60", keys)

    def open(self):
        press(wait_for("the Soundboard tab", lambda: find(self.app, "Soundboard", ("page tab",)), 30))

    def control(self, name, role):
        # The page is built at start: its sound list is always in the tree.
        return find(find(self.app, "Sounds", ("list",)).parent, name, (role,))

    def rows(self):
        return {n.name: n for n in nodes(self.control("Sounds", "list")) if n.getRoleName() == "list item"}

    def sounds(self, group):
        """The sound rows of the shown group, without its heading and the import tile."""
        return [name for name in self.rows() if name not in (group, "Import local audio")]

    def group(self, name):
        tab = wait_for("the tab '%s'" % name, lambda: find(self.control("Groups", "list"), name, ("list item",)))
        x, y, width, height = extents(tab)
        self.click(x + 33, y + height // 2)
        wait_for("the group '%s'" % name, lambda: list(self.rows())[:1] == [name])

    def point(self, name, part="name"):
        x, y, width, height = extents(wait_for("the row '%s'" % name, lambda: self.rows().get(name)))
        right = x + width - 12 - 8  # the row's content ends 12 px in, the key box 8 px before that
        return {"name": x + 100, "key": right - 61, "star": right - 122 - 36 + 12}[part], y + height // 2

    def click_row(self, name, part="name"):
        self.click(*self.point(name, part))

    def delete(self, answer):
        """The panel's Delete, and `answer` to the question it asks."""
        question = "Are you sure you want to delete the selected sound?"
        press(self.control("Delete", "push button"))
        press(find(wait_for("the question", lambda: window_saying(self.app, question)), answer, ("push button",)))
        wait_for("the question closed", lambda: window_saying(self.app, question) is None)

    def stop_all(self):
        press(self.control("Stop all sounds", "push button"))
        wait_for("silence on the cable", lambda: cable_rms(0.5, 0.3) < 0.005)


def stored_imports():
    with open(IMPORTS, encoding="utf-8") as file:
        return [entry["name"] for entry in json.load(file)]


def import_files(app, board, folder):
    paths = [os.path.join(folder, name) for name in (LOW + ".wav", HIGH + ".wav", "broken.mp3")]
    write_tone(paths[0], 440.0)
    write_tone(paths[1], 660.0)
    with open(paths[2], "w", encoding="utf-8") as file:
        file.write("this is no sound at all\n" * 200)
    press(board.control("Import", "push button"))
    dialog = wait_for("the file dialog", lambda: find(app, "Import", ("dialog",)))
    entry = find(dialog, "File name:", ("text",))
    entry.queryEditableText().setTextContents(" ".join('"%s"' % path for path in paths))
    press(find(dialog, "Open", ("push button",)))
    refusal = wait_for("the refusal naming broken.mp3", lambda: window_saying(app, "broken.mp3"))
    press(find(refusal, "OK", ("push button",)))
    wait_for("the refusal closed", lambda: window_saying(app, "broken.mp3") is None)
    board.group("Imported")
    wait_for("the imported rows", lambda: board.sounds("Imported") == [LOW, HIGH])
    assert stored_imports() == [LOW, HIGH], "SoundImport.dat holds %s" % stored_imports()


def click_latencies(board, pitch, rounds=10):
    """Seconds from a click on a stopped sound to its first audio on the cable."""
    times = []
    for _ in range(rounds):
        board.stop_all()
        x, y = board.point(LOW)
        clicked = time.monotonic()
        board.click(x, y)
        arrived = pitch.first_time(clicked, lambda f: f > 0)
        assert arrived is not None, "a click on %s put nothing on the cable" % LOW
        times.append(arrived - clicked)
        time.sleep(0.3)
    return times


def after_restart():
    """Run in a process of its own once the program has started again: the
    deleted sound stays gone, the star and the key are back, the volume is not."""
    launcher, app = connect(dict(os.environ))
    pitch = CablePitch()
    try:
        board = Board(app, os.environ["DISPLAY"])
        board.open()
        board.group("Imported")
        wait_for("only %s imported" % HIGH, lambda: board.sounds("Imported") == [HIGH])
        board.group("Favorites")
        wait_for("the favourite", lambda: board.sounds("Favorites") == [HIGH])
        wait_for("the engine again", lambda: log_text().count(ENGINE) >= 2, 20)
        board.keys(KEY)
        wait_for("%s by its key after the restart" % HIGH, lambda: near(pitch.frequency(), 660), 10)
        loud = cable_rms()
        assert loud > 0.8 * FULL, "%s plays at rms %.3f after the restart" % (HIGH, loud)
        board.click_row(HIGH)
        volume = wait_for("the volume slider", lambda: board.control("Volume", "slider"))
        assert volume.queryValue().currentValue == 50, "the volume is %s" % volume.queryValue().currentValue
        return 0
    finally:
        pitch.stop()
        stop([launcher])


def main(program, keysink):
    server, display = start_x_server("1920x1200")
    env = accessible_env(display)
    helpers = []
    pitch = sink = None
    first = subprocess.Popen([program], env=env)
    try:
        launcher, app = connect(env)
        helpers.append(launcher)
        board = Board(app, display)
        wait_for("the engine", lambda: ENGINE in log_text(), 30)
        dismiss_device_dialog(app)
        board.open()
        pitch = CablePitch()

        folder = os.path.join(os.environ["HOME"], "audio")
        os.makedirs(folder)
        import_files(app, board, folder)

        # A click plays, a click on the playing sound pauses, the next resumes.
        board.click_row(LOW)
        wait_for("%s on the cable" % LOW, lambda: near(pitch.frequency(), 440), 10)
        board.click_row(LOW)
        wait_for("the pause", lambda: pitch.frequency() == 0, 5)
        assert board.control("Play", "push button"), "the panel does not offer Play when paused"
        board.click_row(LOW)
        wait_for("%s resumed" % LOW, lambda: near(pitch.frequency(), 440), 5)
        latencies = click_latencies(board, pitch)

        # Half the volume for the high tone; it stays with that sound for the run.
        board.click_row(HIGH)
        wait_for("%s on the cable" % HIGH, lambda: near(pitch.frequency(), 660), 10)
        board.control("Volume", "slider").queryValue().currentValue = 25
        wait_for("half the level", lambda: 0.35 * FULL < cable_rms() < 0.65 * FULL, 5)

        # A star, and a key bound in its key box.
        board.click_row(HIGH, "star")
        board.click_row(HIGH, "key")
        time.sleep(0.3)
        board.keys(KEY)
        time.sleep(0.3)
        board.click_row(LOW)
        board.stop_all()

        # Another program in front: the key plays the high tone at its own volume.
        sink = subprocess.Popen([keysink], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        assert sink.stdout.readline().strip() == "ready", "the other program did not take the focus"
        board.keys(KEY)
        wait_for("%s by its key" % HIGH, lambda: near(pitch.frequency(), 660), 10)
        level = cable_rms()
        assert 0.35 * FULL < level < 0.65 * FULL, "%s by its key plays at rms %.3f" % (HIGH, level)
        stop([sink])
        sink = None

        # Delete asks first; Cancel keeps the sound, Delete removes it from the list and the disk.
        board.click_row(LOW)
        board.stop_all()
        board.delete("Cancel")
        time.sleep(0.5)
        assert board.sounds("Imported") == [LOW, HIGH] and stored_imports() == [LOW, HIGH], "Cancel deleted"
        board.delete("Delete")
        wait_for("the row gone", lambda: board.sounds("Imported") == [HIGH])
        assert stored_imports() == [HIGH], "SoundImport.dat holds %s" % stored_imports()

        # Exit and start again.
        quit_program(app, first)
        stop(helpers)
        helpers = []
        pitch.stop()
        pitch = None
        first, checked = restart_and_check(program, env, os.path.abspath(__file__))
        assert checked == 0, "the soundboard after the restart is not as it was left"

        print("test_sounds_atspi: click to sound on the cable: median %.0f ms (min %.0f, max %.0f, n=%d)"
              % (1000 * statistics.median(latencies), 1000 * min(latencies), 1000 * max(latencies), len(latencies)))
        return 0
    finally:
        if pitch is not None:
            pitch.stop()
        stop([sink, first] + helpers + [server])
        restore_sound_server()


if __name__ == "__main__":
    try:
        sys.exit(after_restart() if sys.argv[1] == "--after-restart" else main(sys.argv[1], sys.argv[2]))
    except AssertionError as error:
        print("test_sounds_atspi: FAIL: %s" % error)
        print(log_text()[-4000:])
        sys.exit(1)
