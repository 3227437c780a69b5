"""Helpers of the tests that drive a program through the accessibility tree
(AT-SPI) on a private X server."""

import os
import subprocess
import sys
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
APPLICATION = "Zelvani Voice Changer"


def wait_for(what, probe, seconds=10.0):
    """The first true value of `probe`, polled every 0.1 s. A node that
    disappears while the probe walks the tree (a closing dialog) makes
    that poll count as not yet, not as an error."""
    from gi.repository import GLib

    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            value = probe()
        except GLib.GError as error:
            if "No such object path" not in str(error):
                raise
            value = None
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


def find(root, name, roles=None):
    """The first node named `name`, of one of `roles` when given."""
    if isinstance(roles, str):
        roles = (roles,)
    for node in nodes(root):
        if node.name == name and (roles is None or node.getRoleName() in roles):
            return node
    return None


def press(node):
    """The node's first action: a button's press."""
    node.queryAction().doAction(0)


def device_dialog(app):
    """The device set-up dialog when it is open."""
    return find(app, "Input/Output Device", ("dialog",))


def dismiss_device_dialog(app, seconds=10.0):
    """Waits for the device set-up dialog that a first start opens and
    presses its "OK": the devices the engine chose become the stored ones."""
    dialog = wait_for("the device set-up dialog", lambda: device_dialog(app), seconds)
    press(find(dialog, "OK", ("push button",)))
    wait_for("the device set-up dialog to close", lambda: device_dialog(app) is None)


def quit_program(app, process):
    """Quits through the Close button and the quit dialog's "OK" with "Exit"
    chosen; the program must end with 0."""
    press(find(app, "Close", ("push button",)))
    wait_for("the quit dialog", lambda: find(app, "Exit", ("radio button",)))
    press(find(app, "OK", ("push button",)))
    assert process.wait(15) == 0, "the program ended with %s" % process.returncode


def restart_and_check(program, env, script, *arguments):
    """Starts the program again and runs `script --after-restart ARGUMENTS` in
    a process of its own: the accessibility bus starts anew for the new
    program and only a new client reads it. Returns (the program's process,
    the checker's exit code)."""
    process = subprocess.Popen([program], env=env)
    checked = subprocess.run([sys.executable, script, "--after-restart"] + list(arguments), env=env, timeout=120)
    return process, checked.returncode


def unnamed_controls(root):
    """Roles of the controls that have no accessible name."""
    return [n.getRoleName() for n in nodes(root)
            if n.getRoleName() in ("push button", "toggle button", "check box", "radio button", "page tab",
                                   "combo box")
            and not n.name]


def start_x_server(size="1280x800"):
    """A private Xvfb on a free display: (process, display)."""
    display = 70
    while os.path.exists("/tmp/.X11-unix/X%d" % display) or os.path.exists("/tmp/.X%d-lock" % display):
        display += 1
    server = subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", size + "x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("the X server", lambda: os.path.exists("/tmp/.X11-unix/X%d" % display))
    return server, ":%d" % display


def accessible_env(display):
    return dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")


def connect(env, seconds=15.0):
    """Starts the accessibility bus and finds the program on it: (bus launcher
    process, application node). Start the program first: Qt 5.15 registers
    with the accessibility bus only when it sees that bus appear (with the bus
    already there it tries before it is connected, fails and never tries again)."""
    time.sleep(1.0)
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    import pyatspi  # after the bus exists

    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == APPLICATION:
                return child
        return None

    return launcher, wait_for("the program on the accessibility bus", application, seconds)


def stop(processes):
    for process in processes:
        if process is not None and process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
