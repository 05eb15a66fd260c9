#!/usr/bin/env python3
"""End-to-end tests of qns, the command-line converter: the built program is run
as a user runs it (natively, or qns.exe under Wine) and what it prints and
returns is judged.

  run_cli_tests.py --qns PATH [--emulator WINE] --reference PATH --version V

--reference names tests/cli/cli_reference (run through the same emulator): it
gives, for seeded random numbers, what the controller shows through its
in-memory window and what the integer model of the tests expects.
"""
import argparse
import json
import os
import random
import re
import resource
import signal
import subprocess
import sys
import tempfile
import threading

BASES = ["dec", "bin", "oct", "hex"]
MODES = ["unsigned", "ones", "twos"]
# Which base each result box shows, by input base (the window's layout).
BOXES = {"dec": ("bin", "oct", "hex"), "bin": ("dec", "oct", "hex"),
         "hex": ("dec", "bin", "oct"), "oct": ("dec", "bin", "hex")}

failures = []
checks = 0


def check(ok, what):
    global checks
    checks += 1
    if not ok:
        failures.append(what)


def run(args, stdin=b"", exe=None):
    """Runs qns; its exit status, standard output and standard error. The
    outputs go to files, not pipes: a wineserver that Wine starts inherits
    the pipes, and their end would come only when it exits, seconds later."""
    cmd = PREFIX + [exe or QNS] + args
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        p = subprocess.run(cmd, input=stdin, stdout=out, stderr=err, timeout=300)
        out.seek(0)
        err.seek(0)
        return p.returncode, out.read(), err.read()


def json_lines(out):
    return [json.loads(l) for l in out.decode("utf-8").splitlines()]


def describe(args, stdin):
    return "qns %s < %r" % (" ".join(a if len(a) < 40 else a[:40] + "..." for a in args), stdin[:60])


# ---- The window program's worked examples ---------------------------------------------
# (options, number, {base: text} expected, or an error number)
EXAMPLES = [
    (["-l", "8"], "300", {"bin": "00101100", "oct": "454", "hex": "2C"}),
    (["-m", "ones", "-l", "8"], "-5", {"bin": "11111010", "oct": "372", "hex": "FA"}),
    (["-m", "twos", "-l", "8"], "-5", {"bin": "11111011", "oct": "373", "hex": "FB"}),
    (["-m", "twos"], "-2147483648", {"bin": "1" + "0" * 31, "oct": "20000000000", "hex": "80000000"}),
    (["-m", "twos", "-b", "bin"], "1" + "0" * 31, {"dec": "-2147483648", "oct": "20000000000", "hex": "80000000"}),
    (["-m", "ones", "-b", "bin"], "1" + "0" * 31, {"dec": "-2147483647"}),
    (["-b", "bin", "-l", "8"], "11111111", {"dec": "255", "oct": "377", "hex": "FF"}),
    (["-b", "bin", "-l", "8", "-m", "ones"], "11111111", {"dec": "0"}),
    (["-b", "bin", "-l", "8", "-m", "twos"], "11111111", {"dec": "-1"}),
    (["-b", "hex", "-l", "8", "-m", "twos"], "0xff", {"dec": "-1", "bin": "11111111", "oct": "377"}),
    (["-b", "hex", "-l", "30"], "FFFFFFFF", {"dec": "4294967295", "bin": "1" * 32}),
    (["-b", "oct", "-l", "8"], "377", {"dec": "255", "bin": "11111111", "hex": "FF"}),
    ([], "4294967295", {"bin": "1" * 32, "oct": "37777777777", "hex": "FFFFFFFF"}),
    (["--0x"], "255", {"hex": "0x000000FF"}),
    (["--lower"], "255", {"hex": "000000ff"}),
    (["--0x", "--lower"], "255", {"hex": "0x000000ff"}),
    (["--0x", "--lower", "-l", "16"], "48879", {"hex": "0xbeef"}),
    (["--0x", "--lower", "-l", "8", "-b", "hex"], "0xFF", {"dec": "255", "bin": "11111111", "oct": "377"}),
    (["--0x", "-b", "bin"], "1010", {"hex": "0x0000000A"}),
    (["-b", "bin", "-l", "8", "-m", "ones"], "101", {"dec": "-2", "oct": "005", "hex": "05"}),
    (["-b", "bin", "-l", "8", "-m", "twos"], "101", {"dec": "-3"}),
    (["-b", "bin", "-m", "twos"], "1111", {"dec": "-1", "oct": "00000000017", "hex": "0000000F"}),
    (["-b", "bin", "-l", "8"], "111111111", {"dec": "511", "oct": "777", "hex": "FF"}),
    (["-b", "hex", "-l", "8"], "FFF", {"dec": "4095", "bin": "11111111", "oct": "377"}),
    (["-b", "bin"], "0" + "1" * 32, {"dec": "4294967295"}),
    (["-b", "hex"], "0x1f", {"dec": "31"}),
    ([], "0" * 47 + "7", {"hex": "00000007"}),
    ([], "+5", {"hex": "00000005"}),
    ([], "", 1), ([], "+", 1), ([], "-", 1), (["-b", "hex"], "0x", 1), (["-b", "hex"], "0X", 1),
    ([], "4294967296", 3), (["-m", "ones"], "-2147483648", 3), (["-m", "twos"], "2147483648", 3),
    (["-m", "twos"], "+2147483648", 3), ([], "1" + "0" * 32, 3),
    ([], "12a", 2), ([], " 12", 2), ([], "-12a", 4), ([], "-5", 4), (["-m", "ones"], "-12a", 2),
    (["-b", "bin"], "1" * 33, 3), (["-b", "bin"], "-101", 4),
    (["-b", "hex"], "100000000", 3), (["-b", "hex"], "0xg", 2), (["-b", "hex"], "-0x1F", 4),
    (["-b", "oct"], "40000000000", 3), (["-b", "oct"], "37777777777", {"dec": "4294967295"}),
    (["-b", "oct"], "8", 2),
    # --fix: the corrections a Yes applies, then the conversion.
    (["--fix"], "-5x", {"dec": "5", "hex": "00000005"}),
    (["--fix"], "-+5", {"dec": "+5", "hex": "00000005"}),
    (["--fix", "-b", "bin"], "-101", {"bin": "101", "dec": "5"}),
    (["--fix", "-m", "ones"], "-12a", {"dec": "-12"}),
    (["--fix"], "12,345", {"dec": "12345"}),
    (["--fix", "-b", "hex"], "0x1G2", {"hex": "0x12", "dec": "18"}),
    (["--fix", "-b", "hex"], "0xZ", 1),
    (["--fix", "-b", "oct"], "1289", {"oct": "12", "dec": "10"}),
    # --auto-length: the length from the digits, as Auto-detect finds it.
    (["-a", "-b", "bin"], "1011", {"dec": "11", "len": 4}),
    (["-a", "-b", "bin"], "-101", 4),
    (["-a", "-b", "oct"], "777", {"bin": "111111111", "len": 9}),
    (["-a", "-b", "oct"], "17777777777", {"len": 32}),
    (["-a", "-b", "oct"], "177777777777", {"len": 36}),
    (["-a", "-b", "oct"], "1777777777777777777777", {"len": 64, "dec": str(2 ** 64 - 1)}),
    (["-a", "-b", "oct"], "17777777777777777777777", 3),
    (["-a", "-b", "hex"], "FF", {"bin": "11111111", "len": 8}),
    (["-a", "-b", "hex", "-m", "twos"], "0xFF", {"dec": "-1", "len": 8}),
    (["-a", "-b", "hex"], "123456789", {"len": 36}),
    (["-a", "-b", "hex"], "0x" + "F" * 16, {"len": 64}),
    (["-a", "-b", "hex"], "0x", 1),
    (["-a", "-b", "bin"], "", 1),
    (["-a", "-b", "bin"], "1" * 40, {"len": 40}),
    (["-a", "-b", "bin"], "1" * 65, 3),
    # 64 bits: worked examples of the wider range (its edges: EDGES below).
    (["-m", "twos", "-l", "64"], "-1", {"bin": "1" * 64, "oct": "1777777777777777777777", "hex": "F" * 16}),
    (["-m", "twos", "-l", "40", "-b", "bin"], "1" + "0" * 63, {"dec": "-9223372036854775808", "hex": "0000000000"}),
    (["-l", "33"], "4294967296", {"bin": "1" + "0" * 32, "hex": "100000000"}),
    (["-l", "36", "-b", "hex"], "FFFFFFFFFFFFFFFF", {"dec": str(2 ** 64 - 1), "bin": "1" * 36, "oct": "777777777777"}),
]


def expect_examples():
    groups = {}
    for opts, number, want in EXAMPLES:
        groups.setdefault(tuple(opts), []).append((number, want))
    for i, (opts, cases) in enumerate(groups.items()):
        opts = list(opts)
        stdin = b"".join(n.encode() + b"\n" for n, _ in cases)
        what = describe(opts, stdin)
        rc, out, err = run(opts + ["--format=json"], stdin)
        rows = json_lines(out)
        check(len(rows) == len(cases), "%s: %d json lines for %d numbers" % (what, len(rows), len(cases)))
        first_error = 0
        for (number, want), row in zip(cases, rows):
            base = opts[opts.index("-b") + 1] if "-b" in opts else "dec"
            check(row["input"] == number and row["base"] == base, "%s: %r echoed as %r" % (what, number, row))
            if isinstance(want, int):
                first_error = first_error or want
                check(not row["converted"] and row["error"] == "0x%02d" % want,
                      "%s: %r gives %r, want error 0x%02d" % (what, number, row, want))
                continue
            check(row["converted"], "%s: %r not converted: %r" % (what, number, row))
            for k, v in want.items():
                got = row.get("length" if k == "len" else k)
                check(got == v, "%s: %r: %s is %r, want %r" % (what, number, k, got, v))
        check(rc == first_error, "%s: exit status %d, want %d" % (what, rc, first_error))
        if i % 3 == 0 or "-a" in opts:  # every start of qns.exe under Wine counts
            same_formats(opts, stdin, rows, rc)


def same_formats(opts, stdin, rows, json_rc):
    """tsv and text show what json shows, with the same exit status."""
    what = describe(opts, stdin)
    rc, out, err = run(opts + ["--format=tsv"], stdin)
    lines = out.decode().splitlines()
    check(rc == json_rc and len(lines) == len(rows), "%s: tsv has %d lines, status %d" % (what, len(lines), rc))
    for line, row in zip(lines, rows):
        cols = line.split("\t")
        if row["converted"]:
            # The input base's column is the number as given (as corrected).
            want = [row["input"], row["dec"], row["bin"], row["oct"], row["hex"]]
            if "corrections" not in row:
                check(row[row["base"]] == row["input"], "%s: input column %r" % (what, row))
        else:
            want = [row["input"], "error", row["error"]]
        check(cols == want, "%s: tsv %r, json %r" % (what, cols, row))
    rc, out, err = run(opts, stdin)
    blocks = [b for b in out.decode().split("\n\n") if b]
    converted = [r for r in rows if r["converted"]]
    check(rc == json_rc and len(blocks) == len(converted), "%s: %d text blocks, status %d" % (what, len(blocks), rc))
    for block, row in zip(blocks, converted):
        want = ["Dec  " + row["dec"], "Bin  " + row["bin"], "Oct  " + row["oct"], "Hex  " + row["hex"]]
        if "-a" in opts:
            want.insert(0, "Len  %d" % row["length"])
        check(block.strip("\n").split("\n") == want, "%s: text block %r for %r" % (what, block, row))
    errors = [r for r in rows if not r["converted"]]
    err_lines = err.decode("utf-8", "replace").splitlines()
    for r in errors:
        check(any(("error " + r["error"]) in l for l in err_lines), "%s: no message for %r" % (what, r))


# ---- Options that are not about one number ---------------------------------------------
def l_oct(n): return (n + 2) // 3
def l_hex(n): return (n + 3) // 4


def expect_ranges(lengths):
    for n in lengths:
        rc, out, err = run(["--ranges", "-l", str(n), "--format=tsv"])
        p = 1 << (n - 1)
        plus = "+" if n in (32, 64) else ""  # the window's own 32-bit text, and its 64-bit counterpart
        want = [["dec", "unsigned", "0", str((1 << n) - 1)],
                ["dec", "ones", str(1 - p) if p > 1 else "0", plus + str(p - 1)],
                ["dec", "twos", str(-p), plus + str(p - 1)],
                ["bin", "all", "0", "1" * n],
                ["oct", "all", "0", format((1 << n) - 1, "o").zfill(l_oct(n))],
                ["hex", "all", "0", format((1 << n) - 1, "X").zfill(l_hex(n))]]
        got = [l.split("\t") for l in out.decode().splitlines()]
        check(rc == 0 and got == want and err == b"", "--ranges -l %d: %r, want %r" % (n, got, want))
        rc, out, err = run(["--ranges", "-l", str(n), "--format=json"])
        objs = json_lines(out)
        check([[o["base"], o["mode"], o["min"], o["max"]] for o in objs] == want
              and all(o["length"] == n for o in objs), "--ranges -l %d json: %r" % (n, objs))
        rc, out, err = run(["--ranges", "-l", str(n)])
        lines = out.decode().splitlines()
        check(lines[:1] == ["Valid ranges at %d bits" % n] and len(lines) == 7, "--ranges -l %d text: %r" % (n, lines))
        for line, row in zip(lines[1:], want):
            check(line.split()[-3:] == [row[2], "to", row[3]], "--ranges -l %d: %r for %r" % (n, line, row))


def expect_all_modes():
    # Each mode's column is what that mode alone gives.
    for opts, numbers in [(["-l", "8"], ["-5", "255", "200", "12a"]),
                          (["-b", "hex", "-l", "8"], ["FF", "7F", "0x80"]),
                          (["-b", "bin", "--fix"], ["-1000", "10x1"])]:
        stdin = "".join(n + "\n" for n in numbers).encode()
        rc, out, err = run(opts + ["--all-modes", "--format=json"], stdin)
        rows = json_lines(out)
        check(len(rows) == 3 * len(numbers), "%s: %d json rows" % (describe(opts, stdin), len(rows)))
        alone = {}
        for mode in MODES:
            alone[mode] = json_lines(run(opts + ["-m", mode, "--format=json"], stdin)[1])
        first = 0
        for i, mode in enumerate(MODES * len(numbers)):
            single = alone[mode][i // 3]
            check(rows[i] == single, "--all-modes %s %s: %r, alone %r" % (numbers[i // 3], mode, rows[i], single))
            first = first or (0 if single["converted"] else int(single["error"], 16))
        check(rc == first, "--all-modes %s: status %d, want %d" % (numbers, rc, first))
        rc, out, err = run(opts + ["--all-modes", "--format=tsv"], stdin)
        cols = [l.split("\t") for l in out.decode().splitlines()]
        check([c[1] for c in cols] == MODES * len(numbers), "--all-modes tsv mode column: %r" % cols)
        for c, row in zip(cols, rows):
            want = [row["input"], row["mode"]] + ([row[b] for b in BASES] if row["converted"] else ["error", row["error"]])
            check(c == want, "--all-modes tsv %r, json %r" % (c, row))
        rc, out, err = run(opts + ["--all-modes", "--"] + numbers[:1])
        lines = out.decode().splitlines()
        check(lines[:1] and lines[0].split() == ["unsigned", "1s", "complement", "2s", "complement"], "--all-modes text head %r" % lines)
        for label, line in zip(["Dec", "Bin", "Oct", "Hex"], lines[1:]):
            want = [label] + [(r[label.lower()] if r["converted"] else "--") for r in rows[:3]]
            check(line.split() == want, "--all-modes text %r, want %r" % (line, want))


def expect_plain_options(version):
    rc, out, err = run(["--help"])
    check(rc == 0 and out.startswith(b"Usage: qns [OPTION]... [NUMBER]...") and err == b"", "--help: %d %r" % (rc, out[:60]))
    for opt in [b"--base", b"--mode", b"--length", b"--auto-length", b"--0x", b"--lower", b"--fix",
                b"--all-modes", b"--ranges", b"--format", b"--version"]:
        check(opt in out, "--help does not mention %r" % opt)
    rc2, out2, _ = run(["-h", "12a"])
    check(rc2 == 0 and out2 == out, "-h with a NUMBER: %d" % rc2)
    rc, out, err = run(["--version"])
    check(rc == 0 and out == ("qns (Quorvel Numeral Studio) %s\n" % version).encode(), "--version: %r" % out)
    # GNU conventions: values attached or separate, unique abbreviations,
    # options after NUMBERs, the last of a repeated option counts.
    ref = run(["-b", "hex", "-m", "twos", "-l", "8", "--format=tsv", "FF"])
    for args in (["-bhex", "-mtwos", "-l8", "--format", "tsv", "FF"],
                 ["--base=hex", "--mode=twos", "--length=8", "--form=tsv", "FF"],
                 ["--ba", "hex", "--mo", "twos", "--len", "8", "--format=tsv", "FF"],
                 ["FF", "-b", "hex", "-m", "twos", "-l", "8", "--format=tsv"],
                 ["-b", "oct", "-b", "hex", "-m", "ones", "-m", "twos", "-l", "9", "-l", "8", "--format=tsv", "FF"]):
        got = run(args)
        check(got == ref, "qns %s gives %r, want %r" % (" ".join(args), got, ref))
    check(ref[1] == b"FF\t-1\t11111111\t377\tFF\n", "qns -b hex -m twos -l 8 FF: %r" % (ref[1],))


# ---- Bad options and bad numbers: message, status, nothing on standard output -----------
BAD = [
    # (arguments, standard input, status, what standard error says)
    (["-x", "5"], b"", 64, r"^qns: unknown option '-x'$"),
    (["--bogus"], b"", 64, r"^qns: unknown option '--bogus'$"),
    (["--l", "8", "5"], b"", 64, r"^qns: option '--l' is ambiguous$"),
    (["-l"], b"", 64, r"^qns: option --length \(-l\) needs a value$"),
    (["--format"], b"", 64, r"^qns: option --format needs a value$"),
    (["--base"], b"", 64, r"needs a value"),
    (["-l", "0", "5"], b"", 64, r"length '0' is not a number of bits from 1 to 64"),
    (["-l", "65", "5"], b"", 64, r"length '65'"),
    (["--length=-1", "5"], b"", 64, r"length '-1'"),
    (["-l", "8x", "5"], b"", 64, r"length '8x'"),
    (["-l", "", "5"], b"", 64, r"length ''"),
    (["-l", "99999999999999999999", "5"], b"", 64, r"length '9+'"),
    (["-b", "ten", "5"], b"", 64, r"unknown base 'ten' \(use dec, bin, oct or hex\)"),
    (["-b", "Hex", "5"], b"", 64, r"unknown base 'Hex'"),
    (["-m", "signed", "5"], b"", 64, r"unknown mode 'signed' \(use unsigned, ones or twos\)"),
    (["--format=xml", "5"], b"", 64, r"unknown format 'xml' \(use text, tsv or json\)"),
    (["-a", "101"], b"", 64, r"--auto-length needs -b bin, oct or hex"),
    (["-a", "-b", "dec", "-b", "bin", "-b", "dec", "101"], b"", 64, r"--auto-length needs"),
    (["-a", "-b", "bin", "-l", "8", "101"], b"", 64, r"either --length or --auto-length"),
    (["--all-modes", "-m", "twos", "5"], b"", 64, r"either --mode or --all-modes"),
    (["--fix=yes", "5"], b"", 64, r"^qns: option --fix takes no value$"),
    (["--help=1"], b"", 64, r"option --help \(-h\) takes no value"),
    (["-m", "twos", "-5"], b"", 64, r"unknown option '-5' \(put a negative NUMBER after --\)"),
    (["-b", "x" * 5000, "5"], b"", 64, r"unknown base 'x{20,63}' \(use"),
    (["-b", "\x01\t"], b"", 64, r"unknown base '\\x01\\t'"),
    # Numbers that are not converted: the error number of the first.
    ([""], b"", 1, r"^qns: : error 0x01: "),
    (["12a"], b"", 2, r"^qns: 12a: error 0x02: .*--fix"),
    (["4294967296"], b"", 3, r"^qns: 4294967296: error 0x03: "),
    (["--", "-5"], b"", 4, r"^qns: -5: error 0x04: .*--fix"),
    (["12a", "4294967296"], b"", 2, r"error 0x02"),
    (["", "12a"], b"", 1, r"error 0x01"),
    (["1" * 49], b"", 3, r"^qns: 1{49}: error 0x03: the number is longer than the 48 characters .*\(49\).*80 with a length above 32"),
    (["-l", "64", "1" * 81], b"", 3, r"^qns: 1{80}\.\.\.: error 0x03: the number is longer than the 80 characters .*\(81\)"),
    (["-b", "hex", "-a", "1" * 17], b"", 3, r"error 0x03: --auto-length counts 68 bits, more than 64"),
    (["18446744073709551615"], b"", 3, r"error 0x03: the number is too big for 32 bits .*; use a length above 32 for 64-bit numbers"),
    (["-l", "64", "18446744073709551616"], b"", 3, r"error 0x03: the number is too big for 64 bits .*; give a smaller number"),
    ([], b"1G\n", 2, r"^qns: line 1: 1G: error 0x02"),
    (["-b", "hex"], b"1G\n", 2, r"^qns: line 1: 1G: error 0x02"),
    ([], b"\n\n7x\n", 1, r"^qns: line 1: : error 0x01"),
    ([], b"12\xc3\xa9\n\n", 2, r"^qns: line 1: 12\\xC3\\xA9: error 0x02"),
    ([], b"1\x002\n", 2, r"^qns: line 1: 1\\02: error 0x02"),
    ([], b"1\r2\n", 2, r"^qns: line 1: 1\\r2: error 0x02"),
    ([], b"\t\\\n", 2, r"^qns: line 1: \\t\\\\: error 0x02"),
]


def expect_bad():
    for args, stdin, status, message in BAD:
        rc, out, err = run(args, stdin)
        what = describe(args, stdin)
        lines = err.decode("utf-8", "replace").splitlines()
        check(rc == status, "%s: status %d, want %d" % (what, rc, status))
        check(out == b"", "%s: standard output %r, want nothing" % (what, out[:80]))
        check(len(lines) >= 1 and re.search(message, lines[0]), "%s: message %r, want /%s/" % (what, lines, message))
        if status == 64:
            check(lines[1:] == ["Try 'qns --help' for more information."],
                  "%s: standard error %r, want the message and where to look" % (what, lines))
        else:
            check("Try 'qns --help'" not in err.decode("utf-8", "replace"), "%s: %r points to --help" % (what, lines))


# ---- Failed reads and writes: one line, status 74, what was written stays ----------------
FSIZE = 100000  # bytes a file may grow to in the "file size limit" row
# Line 5000 is not a number, but its message never comes: the run ends at the
# failed write, long before it (and in the same 64 KB of input).
BATCH = b"".join(b"%d\n" % i if i != 5000 else b"5x\n" for i in range(1, 100001))
# (what, arguments, where it fails, (status, standard error) natively, under Wine;
# None where Wine cannot show it)
IO_FAILURES = [
    ("batch >/dev/full", ["--format=tsv"], "full",
     (74, "qns: write error: No space left on device"), (74, "qns: write error: No space left on device")),
    ("--help >/dev/full", ["--help"], "full",
     (74, "qns: write error: No space left on device"), (74, "qns: write error: No space left on device")),
    ("standard output closed", ["255"], "closed",
     (74, "qns: write error: Bad file descriptor"), (74, "qns: write error: Bad file descriptor")),
    # Wine's C runtime has no EISDIR.
    ("standard input a directory", [], "directory",
     (74, "qns: error reading standard input: Is a directory"),
     (74, "qns: error reading standard input: Invalid argument")),
    # Wine: a wineserver started under the limit would inherit it.
    ("a file size limit", ["--format=tsv"], "fsize", (74, "qns: write error: File too large"), None),
    # Natively SIGPIPE ends qns, under Wine the status so far: quietly both.
    ("a pipe closed early", ["--format=tsv"], "pipe", (-signal.SIGPIPE, ""), (0, "")),
]


def limit_file_size():
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)  # EFBIG, not a signal
    resource.setrlimit(resource.RLIMIT_FSIZE, (FSIZE, FSIZE))


def run_failing(args, where):
    """Runs qns on BATCH with its output or input failing as `where` says: its
    exit status, what stayed on standard output (a file or a pipe; nothing for
    /dev/full and a closed one) and standard error."""
    cmd = PREFIX + [QNS] + args
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        if where == "pipe":
            # Endless input: qns must stop by itself once its reader has gone.
            p = subprocess.Popen(cmd, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=err)
            def feed():
                try:
                    while True:
                        p.stdin.write(BATCH[:BATCH.index(b"5x")])  # whether its message comes is a race
                except OSError:
                    pass
            threading.Thread(target=feed, daemon=True).start()
            kept = p.stdout.readline()
            p.stdout.close()
            try:
                rc = p.wait(120)
            except subprocess.TimeoutExpired:
                p.kill()
                rc = "still running after its reader left"
        else:
            # Input from a file, not a pipe: a wineserver may hold the pipe
            # open, and qns 255 reads none of it.
            with tempfile.TemporaryFile() as batch, open("/dev/full", "wb") as full:
                batch.write(BATCH)
                batch.seek(0)
                directory = os.open("/", os.O_RDONLY)
                p = subprocess.run(cmd, stdin=directory if where == "directory" else batch,
                                   stdout={"full": full, "closed": None}.get(where, out), stderr=err,
                                   preexec_fn={"closed": lambda: os.close(1), "fsize": limit_file_size}.get(where))
                os.close(directory)
            rc = p.returncode
            out.seek(0)
            kept = out.read()
        err.seek(0)
        return rc, kept, err.read()


def expect_io_failures():
    full_tsv = run(["--format=tsv"], BATCH)[1]
    for what, args, where, native, wine in IO_FAILURES:
        want = wine if PREFIX else native
        if want is None:
            continue
        rc, kept, err = run_failing(args, where)
        status, message = want
        check(rc == status, "qns %s, %s: status %r, want %d" % (" ".join(args), what, rc, status))
        check(err.decode("utf-8", "replace").splitlines() == ([message] if message else []),
              "qns %s, %s: standard error %r, want %r" % (" ".join(args), what, err[:300], message))
        # What was written before the failure stays, and nothing else.
        want_kept = {"fsize": full_tsv[:FSIZE], "pipe": full_tsv.split(b"\n")[0] + b"\n", "directory": b""}
        if where in want_kept:
            check(kept == want_kept[where], "qns %s, %s: output kept %r..., want %r..." %
                  (" ".join(args), what, (kept or b"")[-80:], want_kept[where][-80:]))


# ---- Standard input: batches ----------------------------------------------------------
def expect_batches():
    opts = ["-m", "twos", "-l", "8", "--format=tsv"]
    lf = run(opts, b"255\n-5\n12a\n\n0x1\n")
    crlf = run(opts, b"255\r\n-5\r\n12a\r\n\r\n0x1\r\n")
    check(crlf == lf, "CR LF input: %r, LF input %r" % (crlf, lf))
    check(lf[1].decode().splitlines() == ["255\t255\t11111111\t377\tFF", "-5\t-5\t11111011\t373\tFB", "12a\terror\t0x02",
                                          "\terror\t0x01", "0x1\terror\t0x02"], "batch: %r" % (lf[1],))
    check(lf[0] == 2, "batch status %d, want 2 (its first error)" % lf[0])
    # The last line needs no LF; a CR at the very end is dropped too;
    # an input that ends in LF has no empty line after it.
    for stdin, want in [(b"7", [b"7"]), (b"7\r", [b"7"]), (b"7\n", [b"7"]), (b"\n", [b""]), (b"", []),
                        (b"7\r\r\n", [b"7\\r"]), (b"\r\n\r\n", [b"", b""])]:
        rc, out, err = run(["--format=tsv"], stdin)
        got = [l.split(b"\t")[0] for l in out.splitlines()]
        check(got == want, "lines of %r: %r, want %r" % (stdin, got, want))
    # NUL and bytes of 0x80 and above: errors, never cut; --fix drops them.
    rc, out, err = run(["--format=json"], b"1\x002\n\xff7\n\xc3\xa9\n\xe2\x82\n")
    rows = json_lines(out)
    check([r["input"] for r in rows] == ["1\u00002", "\ufffd7", "\u00e9", "\ufffd"] and
          all(r["error"] == "0x02" for r in rows), "NUL and high bytes: %r" % rows)
    rc, out, err = run(["--fix", "--format=tsv"], b"1\x002\n\xff7\n")
    check(out.decode().splitlines() == ["1\\02\t12\t00000000000000000000000000001100\t00000000014\t0000000C",
                                        "\\xFF7\t7\t00000000000000000000000000000111\t00000000007\t00000007"] and rc == 0,
          "--fix on NUL and high bytes: %r %d" % (out, rc))
    # 48 characters are read, 49 are refused (80 and 81 above 32 bits); a
    # line of a megabyte too, and the lines after it are still read.
    big = b"1" * (1 << 20)
    for length, read in ((32, 48), (64, 80)):
        rc, out, err = run(["--format=tsv", "-l", str(length)],
                           b"0" * (read - 1) + b"7\n" + b"0" * read + b"7\n" + big + b"\n7\n")
        lines = out.decode().splitlines()
        check(len(lines) == 4 and lines[0].startswith(("0" * (read - 1) + "7\t") * 2) and
              lines[1].startswith("0" * min(read, 80)) and lines[1].endswith("\terror\t0x03") and
              lines[2] == "1" * 80 + "...\terror\t0x03" and lines[3].startswith("7\t7\t") and rc == 3,
              "long lines at %d: %r %d" % (length, [l[:60] for l in lines], rc))
        check(b"(1048576)" in err and (b"(%d)" % (read + 1)) in err, "the long lines' messages: %r" % err[-300:])


def expect_streaming():
    """Each line's result is written before the next line is read."""
    p = subprocess.Popen(PREFIX + [QNS, "--format=tsv"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE)
    got = []
    for n in (b"255", b"12"):
        p.stdin.write(n + b"\n")
        p.stdin.flush()
        t = threading.Thread(target=lambda: got.append(p.stdout.readline()))
        t.start()
        t.join(60)
        check(not t.is_alive(), "no answer to %r before the input ends" % n)
        if t.is_alive():
            break
    p.stdin.close()
    p.wait(60)
    check([g.split(b"\t")[0] for g in got] == [b"255", b"12"], "streamed answers: %r" % got)


# ---- Differential: qns against the controller and the integer model --------------------
PIECES = list("0123456789abcdefABCDEFxX+-.,G z") + ["0x", "0X", "--", "\x98", "\xc3\xa9", "\xe2\x82", "\xf0\x9f\x98\x80", "\t", "\\"]


def random_text(rng, read=48):
    t = b""
    for _ in range(rng.choice([0, 1, 2, 3, 5, 8, 11, 16, 22, 24, 32, 33, 40, 48, 64, 80])):
        p = rng.choice(PIECES) if rng.random() < 0.3 else rng.choice("0123456789ABCDEF01")
        t += p.encode("latin-1")
    if rng.random() < 0.2:
        t = rng.choice([b"-", b"+", b"0x", b"-0x", b"--"]) + t
    return t[:read]


def expect_differential(reference, seed, groups, per_group):
    rng = random.Random(seed)
    plan = []
    for g in range(groups):
        base = g % 4
        mode = g // 4 % 3
        fix = g // 12 % 2
        auto = 1 if base != 0 and rng.random() < 0.25 else 0
        length = rng.choice([1, 2, 3, 4, 5, 7, 8, 9, 12, 15, 16, 17, 24, 30, 31, 32, 33, 40, 48, 63, 64]) if not auto else 32
        c_hex, lower = rng.random() < 0.3, rng.random() < 0.3
        # The number box reads 48 characters, 80 above 32 bits and for -a.
        texts = [random_text(rng, 80 if auto or length > 32 else 48) for _ in range(per_group)]
        texts = [t for t in texts if b"\n" not in t and not t.endswith(b"\r")]
        plan.append((base, mode, fix, auto, length, c_hex, lower, texts))
    run_plan(reference, plan)


# The edges of the 64-bit range: each limit and one past it, in every base and
# mode, at 33, 63 and 64 bits; the expected facts come from the reference.
EDGES = {
    "dec": ["18446744073709551615", "18446744073709551616", "9223372036854775807", "9223372036854775808",
            "9223372036854775809", "-9223372036854775807", "-9223372036854775808", "-9223372036854775809",
            "+9223372036854775807", "+9223372036854775808", "-0", "0" * 60 + "18446744073709551615"],
    "bin": ["1" * 64, "1" + "0" * 64, "1" + "0" * 63, "0" * 16 + "1" * 64, "0" * 15 + "1" * 65, "1" * 63],
    "oct": ["1777777777777777777777", "2000000000000000000000", "1000000000000000000000", "777777777777777777777"],
    "hex": ["F" * 16, "1" + "0" * 16, "8" + "0" * 15, "7" + "F" * 15, "0x" + "f" * 16, "0x1" + "0" * 16],
}


def expect_edges(reference):
    plan = [(base, mode, 0, 0, length, False, False, [t.encode() for t in EDGES[BASES[base]]])
            for base in range(4) for mode in range(3) for length in (33, 63, 64)]
    run_plan(reference, plan)


def run_plan(reference, plan):
    # One run of the reference for every group.
    ref_in = "".join("%d %d %d %d %d %s\n" % (base, mode, length, fix, auto, t.hex() or "-")
                     for base, mode, fix, auto, length, _, _, texts in plan for t in texts)
    rc, out, err = run([], ref_in.encode(), exe=reference)
    all_facts = [l.split("\t") for l in out.decode().splitlines()]
    check(rc == 0 and len(all_facts) == ref_in.count("\n"), "reference failed: %r" % err[-200:])
    for base, mode, fix, auto, length, c_hex, lower, texts in plan:
        facts, all_facts = all_facts[:len(texts)], all_facts[len(texts):]
        opts = ["-b", BASES[base], "-m", MODES[mode]] + (["-a"] if auto else ["-l", str(length)])
        opts += (["--fix"] if fix else []) + (["--0x"] if c_hex else []) + (["--lower"] if lower else [])
        what = "qns %s" % " ".join(opts)
        rc, out, err = run(opts + ["--format=json"], b"".join(t + b"\n" for t in texts))
        rows = json_lines(out)
        check(len(rows) == len(texts), "%s: %d rows for %d numbers, status %d, standard error %r"
              % (what, len(rows), len(texts), rc, err[:300]))
        first = 0
        for text, row, f in zip(texts, rows, facts):
            # --0x and --lower are the hexadecimal result's alone; the
            # reference and the model run without them.
            row = dict(row)
            hexed = BASES[base] != "hex" and row["converted"]
            if hexed:
                h = row["hex"]
                check(h.startswith("0x") == c_hex and (h == h.lower() if lower else h == h.upper().replace("0X", "0x")),
                      "%s: %r: hex result %r" % (what, text, h))
                h = h[2:] if c_hex else h
                row["hex"] = h.upper()
            first = first or (0 if row["converted"] else int(row["error"], 16))
            compare_with_controller(what, text, row, f[:8])
            compare_with_model(what, text, row, f[8:], base, fix)
        check(rc == first, "%s: status %d, want %d" % (what, rc, first))


def compare_with_controller(what, text, row, f):
    converted, error, length = f[0] == "1", int(f[1]), int(f[2])
    where = "%s: %r: qns %r, controller %r" % (what, text, row, f)
    check(row["converted"] == converted and row["length"] == length, where)
    if converted:
        check([row[b] for b in BASES] == f[3:7], where)
    else:
        check(row["error"] == "0x%02d" % error, where)
    fixes = [] if f[7] == "-" else [x.split(":") for x in f[7].split(",")]
    want = [{"error": "0x%02d" % int(e), "before": bytes.fromhex(b if b != "-" else "").decode("utf-8", "replace"),
             "after": bytes.fromhex(a if a != "-" else "").decode("utf-8", "replace")} for e, b, a in fixes]
    check(row.get("corrections", []) == want, where + " corrections")


def compare_with_model(what, text, row, f, base, fix):
    length, errors, boxes, number_box = f[0], f[1], f[2:5], f[5]
    where = "%s: %r: qns %r, model %r" % (what, text, row, f)
    if length == "refused":
        check(not row["converted"] and row["error"] == "0x03", where)
        return
    check(row["length"] == int(length), where)
    errors = [] if errors == "-" else [int(e) for e in errors.split(",")]
    converted = boxes[0] != "--"
    check(row["converted"] == converted, where)
    if converted:
        for b, want in zip(BOXES[BASES[base]], boxes):
            got = row[b]
            if b == "hex" and got.startswith("0x"):
                got = got[2:]
            check(want == "<any>" or got.upper() == want.upper(), where + " box " + b)
        check(row[BASES[base]] == bytes.fromhex(number_box if number_box != "-" else "").decode("utf-8", "replace"),
              where + " number box")
    else:
        check(row["error"] == "0x%02d" % errors[-1], where)
    # With --fix every question of 0x02 or 0x04 was answered Yes, and each
    # Yes made one correction.
    asked = [e for e in errors if e in (2, 4)] if fix else []
    check([c["error"] for c in row.get("corrections", [])] == ["0x%02d" % e for e in asked], where + " corrections")


def main():
    global QNS, PREFIX
    ap = argparse.ArgumentParser()
    ap.add_argument("--qns", required=True)
    ap.add_argument("--reference", required=True)
    ap.add_argument("--emulator", default="")
    ap.add_argument("--version", required=True)
    ap.add_argument("--seed", type=int, default=20261207)
    a = ap.parse_args()
    QNS, PREFIX = a.qns, [a.emulator] if a.emulator else []
    keeper = None
    if PREFIX:
        # A wineserver exits 3 s after its last client, and a qns.exe that
        # starts just then fails ("wine client error ... Connection reset by
        # peer"). So one qns.exe waits on its input for the whole run.
        keeper = subprocess.Popen(PREFIX + [QNS, "--format=tsv"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL)
        keeper.stdin.write(b"7\n")
        keeper.stdin.flush()
        check(keeper.stdout.readline().startswith(b"7\t7\t"), "Wine did not start qns.exe")
    for part in (expect_examples, lambda: expect_plain_options(a.version), expect_bad, expect_batches,
                 expect_streaming, expect_io_failures, expect_all_modes, lambda: expect_ranges([1, 8, 17, 32, 33, 63, 64]),
                 lambda: expect_differential(a.reference, a.seed, 24, 250), lambda: expect_edges(a.reference)):
        part()
    if keeper:
        keeper.stdin.close()
        check(keeper.wait(60) == 0, "qns.exe at the end of its input: status %r" % keeper.returncode)
    for f in failures[:60]:
        print("FAIL:", f)
    print("%d checks, %d failed" % (checks, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
