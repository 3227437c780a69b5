"""Sound for the tests that drive the real program on the private sound
server: a tone played into its microphone feed, what the virtual cable's
recording side (or the speakers' monitor) carries, the program's log, and the
server put back as it was."""

import array
import math
import os
import subprocess
import threading
import time

RATE = 48000
CABLE = "zelvani_cable_output"
SPEAKERS = "speakers.monitor"
DATA = os.path.join(os.environ.get("XDG_DATA_HOME", ""), "Zelvani", "Zelvani Voice Changer")
LOG = os.path.join(DATA, "log", "AppLog.log")


def log_text():
    try:
        with open(LOG, encoding="utf-8") as file:
            return file.read()
    except FileNotFoundError:
        return ""


class Tone:
    """A sine at -6 dBFS played into the private server's microphone feed."""

    def __init__(self, frequency=440.0):
        self.frequency = frequency
        self.player = subprocess.Popen(["pacat", "--playback", "--device=microphone_feed", "--raw",
                                        "--format=float32le", "--rate=%d" % RATE, "--channels=2",
                                        "--latency-msec=20"], stdin=subprocess.PIPE)
        self.running = True
        self.thread = threading.Thread(target=self.feed, daemon=True)
        self.thread.start()

    def feed(self):
        frame = 0
        block = 480
        while self.running:
            samples = array.array("f")
            for i in range(block):
                value = 0.5 * math.sin(2 * math.pi * self.frequency * (frame + i) / RATE)
                samples.extend((value, value))
            frame += block
            try:
                self.player.stdin.write(samples.tobytes())
                self.player.stdin.flush()
            except (BrokenPipeError, ValueError):
                return
            time.sleep(0.009)

    def stop(self):
        self.running = False
        self.thread.join(2)
        self.player.terminate()
        self.player.wait(5)


def cable_rms(seconds=0.8, tail=0.4, device=CABLE):
    """RMS of the last `tail` seconds of what the cable's recording side (or
    another source, such as SPEAKERS) carries."""
    recorder = subprocess.Popen(["parec", "--device=" + device, "--raw", "--format=float32le",
                                 "--rate=%d" % RATE, "--channels=2", "--latency-msec=20"],
                                stdout=subprocess.PIPE)
    time.sleep(seconds)
    recorder.terminate()
    data, _ = recorder.communicate(timeout=5)
    samples = array.array("f")
    samples.frombytes(data[:len(data) - len(data) % 4])
    last = samples[-int(tail * RATE * 2):]
    return math.sqrt(sum(x * x for x in last) / max(1, len(last)))


class CablePitch:
    """Follows the pitch on the cable: every 20 ms the time a block arrived
    and its frequency from the rising zero crossings (0 when silent)."""

    BLOCK = 960  # frames, 20 ms

    def __init__(self):
        self.recorder = subprocess.Popen(["parec", "--device=" + CABLE, "--raw", "--format=float32le",
                                          "--rate=%d" % RATE, "--channels=2", "--latency-msec=10"],
                                         stdout=subprocess.PIPE)
        self.points = []
        self.lock = threading.Lock()
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        size = self.BLOCK * 2 * 4
        while True:
            data = self.recorder.stdout.read(size)
            if not data or len(data) < size:
                return
            samples = array.array("f")
            samples.frombytes(data)
            left = samples[0::2]
            # Rising zero crossings, placed between samples: the periods
            # they span give the frequency to a fraction of a hertz.
            crossings = [i + a / (a - b) for i, (a, b) in enumerate(zip(left, left[1:])) if a < 0.0 <= b]
            loud = max(abs(x) for x in left) > 0.05
            hz = (len(crossings) - 1) * RATE / (crossings[-1] - crossings[0]) if len(crossings) > 1 else 0.0
            with self.lock:
                self.points.append((time.monotonic(), hz if loud else 0.0))

    def frequency(self, seconds=0.3):
        """The median frequency of the last `seconds`."""
        time.sleep(seconds)
        since = time.monotonic() - seconds
        with self.lock:
            values = sorted(f for t, f in self.points if t >= since)
        return values[len(values) // 2] if values else 0.0

    def first_time(self, after, test, timeout=5.0, blocks=3):
        """The arrival time of the first of `blocks` blocks in a row after
        `after` whose frequency passes `test` (a lone block cut by a flush
        does not count)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with self.lock:
                run = []
                for t, f in self.points:
                    if t <= after:
                        continue
                    run = run + [t] if test(f) else []
                    if len(run) == blocks:
                        return run[0]
            time.sleep(0.01)
        return None

    def stop(self):
        self.recorder.terminate()
        self.recorder.wait(5)


def restore_sound_server():
    """The defaults and the speakers' volume back and the cable gone, whatever
    happened to the program."""
    subprocess.run(["pactl", "set-default-source", "microphone"], capture_output=True)
    subprocess.run(["pactl", "set-default-sink", "speakers"], capture_output=True)
    subprocess.run(["pactl", "set-sink-volume", "speakers", "100%"], capture_output=True)
    modules = subprocess.run(["pactl", "list", "short", "modules"], capture_output=True, text=True).stdout
    for line in reversed(modules.splitlines()):
        if "zelvani_cable" in line:
            subprocess.run(["pactl", "unload-module", line.split()[0]], capture_output=True)
