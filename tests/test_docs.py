#!/usr/bin/python3
"""The manual pages and the bash completion that the build writes from the
programs' help (zelvani_docs): roff without warnings that describes every
subcommand and option of zelvani-cli, and completions drawn from the built
zelvani-cli and its bundled catalogue, quoted as readline inserts them.

Usage: test_docs.py SHARE_DIR ZELVANI_CLI
"""

import json
import os
import pty
import re
import select
import subprocess
import sys
import tempfile
import time

OPTION = re.compile(r"(?<![\w-])--[a-z][a-z0-9-]*")


def run(command, **kwargs):
    done = subprocess.run(command, capture_output=True, text=True, timeout=60, **kwargs)
    assert done.returncode == 0, "%s ended with %d:\n%s%s" % (" ".join(command), done.returncode, done.stdout,
                                                             done.stderr)
    return done.stdout


def subcommand_options(cli):
    """Each subcommand of `zelvani-cli --help` with the options its own --help names."""
    usage = run([cli, "--help"])
    commands = re.findall(r"^  ([a-z][a-z-]*)\b", usage.split("Subcommands:")[1], re.MULTILINE)
    return {command: set(OPTION.findall(run([cli, command, "--help"]))) for command in commands}


def check_manuals(share, cli, commands):
    for page in ("zelvani-cli.1", "zelvani-voice-changer.1"):
        path = os.path.join(share, "man", "man1", page)
        warnings = subprocess.run(["groff", "-man", "-ww", "-z", path], capture_output=True, text=True)
        assert warnings.returncode == 0 and not warnings.stderr, "%s: %s" % (page, warnings.stderr)
    text = run(["groff", "-man", "-Tascii", "-P-cbou", os.path.join(share, "man", "man1", "zelvani-cli.1")])
    # Each subcommand's entry: its tag line at the section's indent up to the next one.
    commands_section = text.split("\nCOMMANDS\n")[1].split("\nEXIT STATUS\n")[0]
    entries = re.split(r"\n(?=       \S)", "\n" + commands_section)
    for command in commands:
        entry = [e for e in entries if re.match(r"\s*%s( |$)" % re.escape(command), e)]
        assert entry, "no entry for %s in zelvani-cli.1" % command
        missing = commands[command] - set(OPTION.findall(entry[0])) - {"--help"}
        assert not missing, "zelvani-cli.1 leaves out %s of %s" % (sorted(missing), command)


class Completion:
    """Runs the completion function in bash as readline would, with
    COMP_WORDS and COMP_CWORD set; compopt records what it was asked."""

    SCRIPT = r'''
source "$0"
compopt() { printf '%s\n' "$*" >>"$COMPOPT_LOG"; }
COMP_WORDS=("$@")
COMP_CWORD=$(($# - 1))
_zelvani_cli
printf '%s\0' "${COMPREPLY[@]}"
'''

    def __init__(self, script, log):
        self.script = script
        self.log = log

    def __call__(self, *words):
        if os.path.exists(self.log):
            os.remove(self.log)
        env = dict(os.environ, COMPOPT_LOG=self.log)
        out = subprocess.run(["bash", "--norc", "--noprofile", "-c", self.SCRIPT, self.script] + list(words),
                             capture_output=True, timeout=30, env=env, check=True).stdout.decode()
        self.options = open(self.log).read() if os.path.exists(self.log) else ""
        return [word for word in out.split("\0") if word]


def readline_line(script, typed):
    """The line an interactive bash holds after `typed` (with its Tabs)."""
    pid, fd = pty.fork()
    if pid == 0:
        os.execvpe("bash", ["bash", "--norc", "--noprofile", "-i"],
                   dict(os.environ, PS1="$ ", TERM="dumb", INPUTRC="/dev/null"))
    output = b""

    def read_until(pattern):
        nonlocal output
        deadline = time.time() + 30
        while not re.search(pattern, output) and time.time() < deadline:
            if select.select([fd], [], [], 0.2)[0]:
                output += os.read(fd, 4096)
        found = re.search(pattern, output)
        assert found, "bash said %r" % output
        output = output[found.end():]
        return found

    try:
        # Keys go to readline only once it reads: Ctrl+T then prints its line.
        os.write(fd, b"source '%s'; bind -x '\"\\C-t\": printf \"LINE<%%s>\\n\" \"$READLINE_LINE\"'; "
                 b"echo RE''ADY\n" % script.encode())
        read_until(rb"READY\r?\n\$ ")
        os.write(fd, typed.encode() + b"\x14")
        return read_until(rb"LINE<(.*)>\r?\n").group(1).decode()
    finally:
        os.write(fd, b"\x15exit\n")
        os.waitpid(pid, 0)


def check_completion(share, cli, commands):
    script = os.path.join(share, "bash-completion", "completions", "zelvani-cli")
    with tempfile.TemporaryDirectory() as work:
        return check_completion_in(script, cli, commands, work)


def check_completion_in(script, cli, commands, work):
    complete = Completion(script, os.path.join(work, "compopt"))

    offered = complete(cli, "")
    assert set(commands) <= set(offered), "subcommands offered: %s" % offered
    for command, options in commands.items():
        offered = complete(cli, command, "--")
        assert options <= set(offered), "%s: %s offered, %s in its help" % (command, offered, sorted(options))
    assert "--format" in complete(cli, "render", "--f")
    assert sorted(complete(cli, "render", "--format", "")) == ["float", "pcm16"]

    # Effect names as the catalogue has them, whole, and left to readline to quote.
    effects = [effect["name"] for effect in json.loads(run([cli, "effects", "--json"]))["effects"]]
    assert "Old Woman" in effects
    began = time.monotonic()
    offered = complete(cli, "live", "--effect", "")
    took = time.monotonic() - began
    assert offered == effects, "effects offered: %s" % offered
    assert "-o filenames" in complete.options
    assert complete(cli, "render", "--effect", "'Old W") == ["Old Woman"]
    assert readline_line(script, "%s live --effect Old\\ Wo\t" % cli) == "%s live --effect Old\\ Woman " % cli
    assert readline_line(script, '%s live --effect "Old Wo\t' % cli) == '%s live --effect "Old Woman" ' % cli

    # render's --input is a file, live's a device; play takes a file.
    sound = os.path.join(work, "my voice \u00e9.wav")
    open(sound, "w").close()
    assert complete(cli, "render", "--input", os.path.join(work, "my\\ v")) == [sound]
    assert complete(cli, "play", os.path.join(work, "my")) == [sound]
    assert sound not in complete(cli, "live", "--input", os.path.join(work, "my"))
    return took


def main(share, cli):
    commands = subcommand_options(cli)
    assert "render" in commands and "live" in commands, commands
    check_manuals(share, cli, commands)
    took = check_completion(share, cli, commands)
    print("test_docs: %d subcommands in the manual and the completion; effect names in %.2f s" %
          (len(commands), took))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1], sys.argv[2]))
    except AssertionError as error:
        print("test_docs: FAIL: %s" % error)
        sys.exit(1)
