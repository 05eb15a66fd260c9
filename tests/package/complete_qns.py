#!/usr/bin/env python3
"""Tab completion of qns as a user meets it once the package is installed.

An interactive bash on a terminal loads bash-completion, which finds the
completion of qns in the unpacked package's share/bash-completion/completions
(XDG_DATA_DIRS points there, as /usr/share is for an installed package). For
each case the test types a line, presses Tab once, and reads back the line
readline then holds. Usage: complete_qns.py ROOT (the unpacked package).
"""
import os
import pty
import re
import select
import subprocess
import sys
import tempfile

BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"

# What one Tab makes of a line. A value's completion ends in a space, an
# option that takes a value in '='; an ambiguous or unknown start is kept.
CASES = [
    ("qns --ba", "qns --base="),
    ("qns --mode=tw", "qns --mode=twos "),
    ("qns -b h", "qns -b hex "),
    ("qns --base=o", "qns --base=oct "),
    ("qns --fo", "qns --format="),
    ("qns --format=j", "qns --format=json "),
    ("qns --ba b", "qns --ba bin "),         # an abbreviated option's value
    ("qns -bh", "qns -bhex "),               # a value attached to -b
    ("qns -b", "qns -b "),                   # -b itself, its value to follow
    ("qns -am o", "qns -am ones "),          # -m after the flag -a
    ("qns --gr", "qns --group "),
    ("qns -l 8 --a", "qns -l 8 --a"),        # --auto-length or --all-modes
    ("qns -l 1", "qns -l 1"),                # lengths: no file names either
    ("qns 1", "qns 1"),                      # numbers: likewise
    ("qns --fix=", "qns --fix="),            # a flag takes no value
    ("qns -- --ba", "qns -- --ba"),          # after --, a negative NUMBER
]


def help_options(qns):
    """The long options that `qns --help` lists: each must complete."""
    text = subprocess.run([qns, "--help"], capture_output=True, text=True, check=True).stdout
    return re.findall(r"^ +(?:-\w, +)?(--[\w-]+)", text, re.M)


class Shell:
    """An interactive bash on a pseudo-terminal; Ctrl-T prints its line."""

    def __init__(self, root, home):
        open(os.path.join(home, "12"), "w").close()
        rc = os.path.join(home, "bashrc")
        with open(rc, "w") as f:
            f.write(f". {BASH_COMPLETION}\n"
                    "show() { printf '\\n<<<%s>>>\\n' \"$READLINE_LINE\"; READLINE_LINE=; READLINE_POINT=0; }\n"
                    "bind -x '\"\\C-t\": show'\n"
                    "PS1='ready$ '\n")
        env = {
            "HOME": home, "TERM": "dumb", "INPUTRC": "/dev/null",
            "PATH": f"{root}/usr/bin:/usr/bin:/bin",
            "XDG_DATA_DIRS": f"{root}/usr/share",
        }
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.chdir(home)  # a file name for a wrong fallback to offer
            os.execve("/bin/bash", ["bash", "--noprofile", "--rcfile", rc, "-i"], env)
        self.out = b""
        self.read_until(b"ready$ ")

    def read_until(self, marker):
        # A bound on a hang, not on speed: the answer is either there or not.
        while marker not in self.out:
            ready, _, _ = select.select([self.fd], [], [], 30)
            data = os.read(self.fd, 4096) if ready else b""
            if not data:
                sys.exit(f"bash stopped answering; it wrote:\n{self.out.decode(errors='replace')}")
            self.out += data
        head, _, self.out = self.out.partition(marker)
        return head

    def tab(self, line):
        os.write(self.fd, line.encode() + b"\t\x14")
        self.read_until(b"<<<")
        return self.read_until(b">>>").decode()

    def close(self):
        os.write(self.fd, b"exit\n")
        os.waitpid(self.pid, 0)


def main():
    root = os.path.abspath(sys.argv[1])
    if not os.path.exists(BASH_COMPLETION):
        sys.exit(f"{BASH_COMPLETION} is missing (tools/setup.sh installs bash-completion)")
    cases = CASES + [(f"qns {o}", (f"qns {o} ", f"qns {o}="))
                     for o in help_options(f"{root}/usr/bin/qns")]
    failed = 0
    with tempfile.TemporaryDirectory() as home:
        shell = Shell(root, home)
        for typed, want in cases:
            got = shell.tab(typed)
            if got not in (want if isinstance(want, tuple) else (want,)):
                print(f"FAIL: {typed!r} + Tab gives {got!r}, not {want!r}")
                failed += 1
        shell.close()
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
