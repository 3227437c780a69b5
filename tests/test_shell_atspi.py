#!/usr/bin/python3
"""The real program driven from outside through the accessibility tree
(AT-SPI), as a user's assistive tool would: the splash and its progress, the
main window with the message of a failed resource check, "Hear myself" pressed by name with its effect heard on the
virtual cable, a second start, minimising to the tray and back by the tray
icon, and the quit through the close dialog with what it leaves on disk.

Usage (under its own session bus, with PULSE_SERVER pointing at the private
sound server): dbus-run-session -- test_shell_atspi.py PROGRAM
"""

import os
import re
import socket
import subprocess
import sys
import time
from datetime import datetime

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspitools import (accessible_env, connect, dismiss_device_dialog, find, nodes, press,  # noqa: E402
                        start_x_server, stop, unnamed_controls, wait_for)
from cabletools import DATA, Tone, cable_rms, log_text, restore_sound_server  # noqa: E402


def log_times(pattern):
    """(time, match) of every log line whose message matches `pattern`."""
    found = []
    for line in log_text().splitlines():
        stamp = re.match(r"\[(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3})\]", line)
        match = re.search(pattern, line)
        if stamp and match:
            found.append((datetime.strptime(stamp.group(1), "%Y-%m-%d %H:%M:%S.%f"), match))
    return found


def windows(display, pid, visible):
    """(window, x, y, width, height) of the program's X windows."""
    env = dict(os.environ, DISPLAY=display)
    found = []
    search = ["xdotool", "search"] + (["--onlyvisible"] if visible else []) + ["--pid", str(pid)]
    for window in subprocess.run(search, env=env, capture_output=True, text=True).stdout.split():
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=env,
                                  capture_output=True, text=True).stdout
        values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
        if values:
            found.append((window, int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                          int(values["HEIGHT"])))
    return found


def visible_windows(display, pid):
    """The program's shown windows, its tray icon left out."""
    return [w for w in windows(display, pid, True) if w[3] > 48 and w[4] > 48]


def tray_icon(display, pid):
    """The centre of the program's icon in the tray, a small window of its own."""
    for _, x, y, width, height in windows(display, pid, False):
        if width <= 48 and height <= 48:
            return x + width // 2, y + height // 2
    return None


def showing(node):
    import pyatspi
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


def check_splash():
    steps = log_times(r"\[Launcher\] progress (\d+)")
    values = [int(match.group(1)) for _, match in steps]
    assert values[0] == 4 and values[-4:] == [90, 92, 94, 100], "progress was %s" % values
    assert values == sorted(values), "progress went back: %s" % values
    gaps = [(later[0] - earlier[0]).total_seconds() for earlier, later in zip(steps, steps[1:])]
    assert min(gaps) >= 0.095, "a step was shown for less than 100 ms: %s" % gaps
    end = log_times(r"\[Launcher\] end")
    assert end, "the splash never ended"
    stay = (end[0][0] - steps[-1][0]).total_seconds()
    assert stay >= 1.05, "the splash closed %.3f s after 100" % stay
    return values, stay


def main(program):
    server, display = start_x_server("1920x1200")
    env = accessible_env(display)
    helpers = [subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                                 "--height", "24"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    tone = None
    # A resource server that refuses: start-up goes on and says so afterwards.
    with socket.socket() as closed:
        closed.bind(("127.0.0.1", 0))
        env["ZELVANI_RESOURCE_SERVER"] = "http://127.0.0.1:%d" % closed.getsockname()[1]
    clock = time.monotonic()
    first = subprocess.Popen([program], env=env)
    try:
        launcher, app = connect(env)
        helpers.append(launcher)
        import pyatspi  # after the bus exists

        hear = wait_for("'Hear myself' in the main window", lambda: find(app, "Hear myself"), 30)
        shown_after = time.monotonic() - clock
        values, stay = check_splash()
        wait_for("the engine", lambda: "[capture] capturing Microphone" in log_text())
        failure = wait_for("the resource failure message", lambda: [
            n for n in nodes(app) if n.getRoleName() == "label" and n.name.startswith("Resource initialization")])
        assert failure
        # The first start also asks for the devices (none are stored yet), over the message.
        dismiss_device_dialog(app)
        press(find(app, "OK", "push button"))
        wait_for("the message to close", lambda: find(app, "OK", "push button") is None)
        for name in ("Apply voice changer", "Input/Output Device", "Volume", "VoiceBox", "Soundboard",
                     "3rd party access", "Settings", "Guide", "Menu", "Minimize", "Maximize", "Close"):
            assert find(app, name), "no control named '%s'" % name
        unnamed = unnamed_controls(app)
        assert not unnamed, "controls without a name: %s" % unnamed

        # The voice reaches the cable; without "Hear myself" nothing does.
        tone = Tone()
        wait_for("the voice on the cable", lambda: cable_rms() > 0.1, 10)
        press(hear)
        wait_for("silence on the cable", lambda: cable_rms() < 0.005, 10)
        press(hear)
        loud = wait_for("the voice back on the cable", lambda: cable_rms() > 0.1 and cable_rms(), 10)

        # The window's class is the one the desktop entry names.
        classed = subprocess.run(["xdotool", "search", "--class", "^Zelvani Voice Changer$"],
                                 env=dict(os.environ, DISPLAY=display), capture_output=True, text=True).stdout
        assert classed.split(), "no window of the class the desktop entry names"

        # A second start hands over to the first and ends with 0, also while
        # minimised; the menu's "Open soundboard" brings the window up there.
        press(find(app, "Minimize"))
        assert not showing(find(app, "Stop all sounds", ("push button",)))
        second = subprocess.run([program, "--soundboard"], env=env, timeout=20)
        assert second.returncode == 0, "the second start ended with %d" % second.returncode
        wait_for("the hand-over", lambda: "[App] another start asked for the window" in log_text())
        assert first.poll() is None
        wait_for("the window raised", lambda: visible_windows(display, first.pid))
        wait_for("the soundboard", lambda: showing(find(app, "Stop all sounds", ("push button",))))

        # Minimised to the tray: the window goes, the engine plays on, the
        # tray icon brings the window back.
        press(find(app, "Close", ("push button",)))
        minimize = wait_for("the quit dialog", lambda: find(app, "Minimize to Tray", ("radio button",)))
        press(minimize)
        press(find(app, "OK", ("push button",)))
        wait_for("the window hidden", lambda: not visible_windows(display, first.pid))
        assert cable_rms() > 0.1, "the engine stopped with the window"
        icon = wait_for("the tray icon", lambda: tray_icon(display, first.pid))
        subprocess.run(["xdotool", "mousemove", str(icon[0]), str(icon[1]), "click", "1"],
                       env=dict(os.environ, DISPLAY=display), check=True)
        wait_for("the window back from the tray", lambda: visible_windows(display, first.pid))

        # Exit: the quit procedure runs and ends the process with 0.
        press(find(app, "Close", ("push button",)))
        exit_choice = wait_for("the quit dialog", lambda: find(app, "Exit", ("radio button",)))
        assert exit_choice.getState().contains(pyatspi.STATE_CHECKED), "'Exit' is not the dialog's choice"
        press(find(app, "OK", ("push button",)))
        assert first.wait(15) == 0, "the program ended with %s" % first.returncode
        assert "App quit" in log_text()
        settings = os.path.join(os.environ["XDG_CONFIG_HOME"], "Zelvani", "Zelvani Voice Changer.conf")
        with open(settings, encoding="utf-8") as file:
            assert re.search(r"AppFirstCycle=false", file.read()), "AppFirstCycle was not cleared"
        assert os.path.exists(os.path.join(DATA, "config", "HotKey.dat")), "the hotkeys were not written"

        # Started by the session's autostart: straight to the tray, the voice
        # on the cable, the window one click on the tray icon away.
        first = subprocess.Popen([program, "--minimized"], env=env)
        wait_for("the start in the tray", lambda: log_text().count("[Tray] started in the tray") == 1, 30)
        icon = wait_for("the tray icon", lambda: tray_icon(display, first.pid))
        wait_for("the voice on the cable", lambda: cable_rms() > 0.1, 10)
        shown = visible_windows(display, first.pid)
        assert not shown, "a window showed: %s" % [
            (w, subprocess.run(["xdotool", "getwindowname", w[0]], env=dict(os.environ, DISPLAY=display),
                               capture_output=True, text=True).stdout.strip()) for w in shown]
        subprocess.run(["xdotool", "mousemove", str(icon[0]), str(icon[1]), "click", "1"],
                       env=dict(os.environ, DISPLAY=display), check=True)
        wait_for("the window from the tray", lambda: visible_windows(display, first.pid))
        first.terminate()
        assert first.wait(15) == 0, "the program ended with %s" % first.returncode
        print("test_shell_atspi: splash %s, stayed %.2f s after 100; window after %.1f s; cable RMS %.3f; "
              "second start on the soundboard, tray, quit and a start in the tray as expected"
              % (values, stay, shown_after, loud))
        return 0
    finally:
        if tone is not None:
            tone.stop()
        stop([first] + helpers + [server])
        restore_sound_server()


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1]))
    except AssertionError as error:
        print("test_shell_atspi: FAIL: %s" % error)
        print(log_text()[-4000:])
        sys.exit(1)
