#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs (corpus/<target>/) from rows of the unit
tests' tables. The seeds are kept in the tree; run this after changing it."""
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def write(target, rows):
    d = os.path.join(HERE, "corpus", target)
    shutil.rmtree(d, ignore_errors=True)
    os.makedirs(d)
    for name, data in rows:
        with open(os.path.join(d, name), "wb") as f:
            f.write(data)


# ---- engine: width, carry, value, text a, NUL, text b ----------------------------
def eng(w, carry, value, a, b):
    return struct.pack("<bb", w, carry) + u32(value) + a + b"\0" + b


write("engine", [
    ("dec-300-at-8", eng(8, 0, 300, b"101", b"011")),
    ("adder-1111-plus-1", eng(4, 0, 5, b"1111", b"1")),
    ("subtract-0000-minus-1-borrow", eng(4, 1, 0, b"0000", b"1")),
    ("top-bit-32", eng(32, 0, 0xFFFFFFFF, b"1" + b"0" * 31, b"1")),
    ("signed-5", eng(8, 0, 48879, b"-5", b"+5")),
    ("most-negative", eng(32, 0, 0, b"-2147483648", b"2147483648")),
    ("prefixed-hex", eng(3, 0, 13, b"0x1F", b"0X1f")),
    ("octal-limits", eng(11, 0, 0xFFFFFFFF, b"37777777777", b"40000000000")),
    ("extract-10", eng(10, 0, 74565, b"000011111111", b"7777")),
    ("length-1", eng(1, 0, 10, b"5", b"4")),
    ("width-0", eng(0, 0, 0, b"", b"")),
    ("width-negative", eng(-1, 0, 0, b"12,345", b"1 0 1")),
    ("width-33-letters", eng(33, 0, 0, b"DEAD BEEF", b"aBg")),
    ("width-min", eng(-128, 2, 0, b"0x1G2", b"--5")),
    ("width-127", eng(127, -1, 1, b"1" + b"0" * 32, b"1")),
    ("octal-top-bit-dropped", eng(2, 0, 4, b"4", b"17")),
    ("carry-out-of-range", eng(12, 3, 0xBEEF, b"0101", b"1 2")),
    ("high-bytes", eng(8, 0, 0, b"\xff8", b"\x80")),
])


# ---- controller: commands (see controller_fuzz.cpp) --------------------------------
def typed(t):
    return bytes([0, len(t)]) + t


BASE = {"dec": 0, "bin": 1, "oct": 2, "hex": 3}
MODE = {"us": 0, "ones": 1, "twos": 2}
NO, YES_THEN_CANCEL, CANCEL = 0x7F, 0xBC, 0xBF


def setup(base, mode, length):
    return bytes([2, BASE[base], 3, MODE[mode], 4, length - 1])


def convert(script=NO):
    return bytes([14, script])


write("controller", [
    ("dec-300-at-8", setup("dec", "us", 8) + typed(b"300") + convert()),
    ("twos-minus-128", setup("dec", "twos", 8) + typed(b"-128") + convert()),
    ("ones-binary", setup("bin", "ones", 8) + typed(b"10000000") + convert()),
    ("hex-options-on-and-off", setup("oct", "us", 32) + typed(b"37777777777") + bytes([5, 6]) + convert()
     + bytes([6]) + convert() + bytes([5]) + convert()),
    ("octal-twos-10", setup("oct", "twos", 10) + typed(b"7777") + convert()),
    ("refine-yes", setup("dec", "us", 32) + typed(b"30x") + convert(YES_THEN_CANCEL)),
    ("remove-sign-yes", setup("bin", "us", 32) + typed(b"-101") + convert(YES_THEN_CANCEL)),
    ("prefix-only", setup("hex", "us", 32) + typed(b"0x") + convert()),
    ("binary-too-long", setup("bin", "us", 32) + typed(b"1" + b"0" * 32) + convert()),
    ("auto-detect", setup("bin", "us", 32) + typed(b"10101") + bytes([12, 1]) + setup("hex", "us", 32)
     + typed(b"0xFF") + bytes([12, 0]) + bytes([2, 0, 12, 0])),
    ("headless-yes", setup("hex", "ones", 12) + typed(b"0x1G") + bytes([13, 2 | 4])),
    ("headless-propose", setup("oct", "us", 7) + typed(b"777777777777") + bytes([13, 1 | 8])),
    ("reload-refresh", setup("hex", "twos", 5) + typed(b"-0x7") + bytes([10, 11, 7, 8, 9])),
    ("number-octal", setup("oct", "us", 16) + bytes([1]) + u32(0xDEADBEEF) + bytes([0]) + convert()),
])

# ---- length: the typed text, NUL, length, octal and hexadecimal digit counts -----
typed_rows = [b"12", b"1", b"32", b" 7", b"7 ", b"  16  ", b"032", b"0", b"33", b"", b"   ", b"abc", b"1a",
              b"1 2", b"-5", b"+5", b"4294967295", b"4294967296", b"4294967328", b"99999999999999999999",
              b"2147483648", b"\xff8", b"9", b"\t9\t"]
write("length", [("typed-%02d" % i, t) for i, t in enumerate(typed_rows)] + [
    ("ranges-8", b"8\0" + u32(8)),
    ("ranges-0", b"0\0" + u32(0)),
    ("ranges-40", b"40\0" + u32(40)),
    ("ranges-negative", b"-5\0" + u32(-5)),
    ("ranges-mismatched-counts", b"5\0" + u32(33) + u32(11) + u32(8)),
    ("ranges-extremes", b"\0" + u32(0x80000000) + u32(0x7FFFFFFF) + u32(0x80000000)),
])
