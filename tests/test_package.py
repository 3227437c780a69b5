#!/usr/bin/python3
"""The Debian package as a user gets it: built by scripts/package (lintian
passing without errors), unpacked into a temporary root, its programs run from
there with a home of their own. The installed tree must stay as it was while
the per-user copy of the resources appears; the desktop entry and the
metainfo pass their validators and carry every language.

Usage: test_package.py SOURCE_ROOT
"""

import configparser
import hashlib
import json
import os
import subprocess
import sys
import tempfile

LOCALES = ["zh_CN", "zh_TW", "it", "de", "fr", "es", "pt", "ja", "ru", "id", "ko", "vi"]
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def run(command, env=None, check=True):
    done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=3000)
    if check and done.returncode != 0:
        raise AssertionError("%s ended with %d:\n%s%s" % (" ".join(command), done.returncode, done.stdout,
                                                           done.stderr))
    return done


def tree_state(root):
    """Every file and link under `root` with its content's hash or target."""
    state = {}
    for folder, _, files in os.walk(root):
        for name in files + [d for d in os.listdir(folder) if os.path.islink(os.path.join(folder, d))]:
            path = os.path.join(folder, name)
            if os.path.islink(path):
                state[path] = "-> " + os.readlink(path)
            else:
                with open(path, "rb") as file:
                    state[path] = hashlib.md5(file.read()).hexdigest() + " %o" % os.stat(path).st_mode
    return state


def check_desktop_entry(path):
    run(["desktop-file-validate", path])
    entry = configparser.RawConfigParser(strict=True)
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    main = entry["Desktop Entry"]
    assert main["Exec"] == "zelvani-voice-changer" and main["Icon"] == "org.zelvani.VoiceChanger"
    assert main["Categories"] == "AudioVideo;Audio;", main["Categories"]
    assert main["StartupWMClass"] == "Zelvani Voice Changer", main["StartupWMClass"]
    action = entry["Desktop Action soundboard"]
    assert action["Exec"] == "zelvani-voice-changer --soundboard" and action["Name"] == "Open soundboard"
    missing = ["%s[%s]" % (key, locale) for section, keys in ((main, ("Name", "GenericName", "Comment", "Keywords")),
                                                              (action, ("Name",)))
               for key in keys for locale in LOCALES if not section.get("%s[%s]" % (key, locale), "").strip()]
    assert not missing, "untranslated desktop-entry keys: %s" % missing


def main(source):
    build = os.environ.get("ZELVANI_PACKAGE_BUILD", os.path.join(source, "build", "package"))
    env = dict(os.environ, ZELVANI_PACKAGE_BUILD=build)
    built = run([os.path.join(source, "scripts", "package")], env=env)
    debs = [line.split(": ", 1)[1] for line in built.stdout.splitlines() if line.startswith("package: ")]
    assert debs and os.path.basename(debs[-1]) == "zelvani-voice-changer_3.1.0_amd64.deb", built.stdout[-2000:]
    deb = debs[-1]
    lintian = [line for line in built.stdout.splitlines() if line[:2] in ("E:", "W:")]

    control = run(["dpkg-deb", "--field", deb, "Depends", "Recommends"]).stdout
    for library in ("libqt5widgets5", "libpulse0", "libsndfile1", "libspdlog"):
        assert library in control, "%s is not a dependency:\n%s" % (library, control)

    with tempfile.TemporaryDirectory() as scratch:
        root = os.path.join(scratch, "root")
        run(["dpkg", "-x", deb, root])
        usr = os.path.join(root, "usr")
        for path in ["bin/zelvani-voice-changer", "bin/zelvani-cli",
                     "share/applications/org.zelvani.VoiceChanger.desktop",
                     "share/metainfo/org.zelvani.VoiceChanger.metainfo.xml",
                     "share/man/man1/zelvani-cli.1.gz", "share/man/man1/zelvani-voice-changer.1.gz",
                     "share/bash-completion/completions/zelvani-cli",
                     "share/doc/zelvani-voice-changer/copyright",
                     "share/icons/hicolor/scalable/apps/org.zelvani.VoiceChanger.svg"] + \
                ["share/icons/hicolor/%dx%d/apps/org.zelvani.VoiceChanger.png" % (s, s) for s in ICON_SIZES]:
            assert os.path.exists(os.path.join(usr, path)), "the package has no /usr/" + path
        resources = os.path.join(usr, "share", "zelvani-voice-changer", "resources")
        plugins = os.listdir(os.path.join(resources, "vst"))
        assert "Radio.so" in plugins and os.path.realpath(os.path.join(resources, "vst")).endswith(
            "/usr/lib/zelvani-voice-changer/vst"), plugins

        check_desktop_entry(os.path.join(usr, "share/applications/org.zelvani.VoiceChanger.desktop"))
        metainfo = run(["appstreamcli", "validate", "--no-net",
                        os.path.join(usr, "share/metainfo/org.zelvani.VoiceChanger.metainfo.xml")])

        # The installed programs, from the unpacked root, with an empty home.
        before = tree_state(root)
        home = os.path.join(scratch, "home")
        user = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                    XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                    QT_QPA_PLATFORM="offscreen")
        user.pop("ASAN_OPTIONS", None)
        assert run([os.path.join(usr, "bin/zelvani-cli"), "--version"], user).stdout == "zelvani-cli 3.1.0\n"
        assert run([os.path.join(usr, "bin/zelvani-voice-changer"), "--version"], user).stdout == \
            "zelvani-voice-changer 3.1.0\n"
        catalogue = json.loads(run([os.path.join(usr, "bin/zelvani-cli"), "effects", "--json"], user).stdout)
        effects = catalogue["effects"]
        assert len(effects) >= 20, "only %d effects" % len(effects)
        unready = [e["name"] for e in effects if not e["filesReady"]]
        assert not unready, "effects whose files are missing from the copy: %s" % unready
        copy = os.path.join(home, "data", "Zelvani", "Zelvani Voice Changer", "resources")
        for path in ("effects.json", "sounds.json", "vst/Radio.so"):
            assert os.path.isfile(os.path.join(copy, path)), "the per-user copy has no " + path
        after = tree_state(root)
        changed = sorted(set(before.items()) ^ set(after.items()))
        assert not changed, "the installed tree changed: %s" % changed[:10]

        # A second run seeds nothing more and finds the same catalogue.
        again = json.loads(run([os.path.join(usr, "bin/zelvani-cli"), "effects", "--json"], user).stdout)
        assert len(again["effects"]) == len(effects)

    print("test_package: %s (%d KiB), lintian: %d warnings%s; %d effects from the per-user copy; "
          "installed tree unchanged; %d files; metainfo: %s" % (
              os.path.basename(deb), os.path.getsize(deb) // 1024, len(lintian),
              "".join("\n  " + line for line in lintian), len(effects), len(before),
              (metainfo.stdout.strip().splitlines() or ["ok"])[-1]))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1]))
    except AssertionError as error:
        print("test_package: FAIL: %s" % error)
        sys.exit(1)
