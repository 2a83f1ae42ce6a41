#!/usr/bin/env python3
"""Writes the seed corpus of navigator_fuzzer: small programs in its input code
(an operation byte, then its arguments). Usage: make_navigator_seeds.py <corpus folder>"""
import os
import sys

NAMES = ["Software", "SOFTWARE", "Microsoft", "Office", "11.0", "12.0", "Word",
         "Custom Labels", "Locked", "Inner", "x", "Y"]


def text(b):
    b = b.encode("latin-1") if isinstance(b, str) else b
    return bytes([len(b)]) + b


def num(v):
    if -8 <= v < 0xF0 - 8:
        return bytes([v + 8])
    return bytes([0xFF]) + (v & 0xFFFFFFFF).to_bytes(4, "big")


def select(path, create=False):
    return bytes([1]) + text(path) + bytes([1 if create else 0])


def select_names(names, leading=1, trailing=0, doubled=False, create=False):
    shape = leading + 3 * trailing + 9 * len(names) + 45 * (1 if doubled else 0)
    return bytes([0, shape]) + bytes(NAMES.index(n) for n in names) + bytes([1 if create else 0])


def write(name, data):
    return bytes([2]) + text(name) + text(data)


RELEASE = bytes([3])


def set_root(user):
    return bytes([4, 0 if user else 1])


def arm(call, error=5):  # 0 open, 1 create, 2 set value, 3 close
    return bytes([5, call + 4 * error])


def flow():
    out = b""
    for v in ["8.0", "9.0", "10.0", "11.0", "12.0"]:
        out += select("\\Software\\Microsoft\\Office\\%s\\Word\\" % v)
    out += select("\\Software\\Microsoft\\Office\\11.0\\Word\\")
    out += select("Custom Labels", True)
    for i in range(17):
        out += write("Velkaris     L-%02d" % (i + 1), bytes(range(i, i + 44)))
    return out + RELEASE


SEEDS = {
    "installer-flow": flow(),
    "probe-absent-keys": select("\\Software\\Microsoft\\Office\\8.0\\Word\\")
    + select("\\Software\\Microsoft\\Office\\9.0\\Word\\", False),
    "empty-path-no-key": select("") + select("", True),
    "empty-path-with-key": select("\\Software") + select("") + select("", True),
    "single-backslash": select("\\") + select("\\\\Software"),
    "relative-no-key": select("Software\\Microsoft") + select("Office\\11.0"),
    "absolute-while-open": select("\\Software\\Microsoft") + select("\\Software\\Locked\\Inner"),
    "locked-key": select("\\Software\\Locked") + select("\\Software\\Locked\\New", True)
    + select("\\Software\\Locked\\Inner") + select("Deeper", True),
    "trailing-separators": select_names(["Software", "Microsoft"], 1, 2)
    + select_names(["Office"], 0, 1, create=True) + select_names(["x", "Y"], 2, 0, True, True),
    "write-without-key": write("Velkaris     L-15", b"\0" * 44),
    "faults": select("\\Software") + arm(0) + select("Microsoft") + arm(1) + select("New", True)
    + arm(2) + write("v", b"1") + arm(3) + select("Microsoft") + RELEASE,
    "other-root": select("\\Software") + set_root(False) + select("\\Software")
    + select("Microsoft") + set_root(True) + select("\\Software"),
}

folder = sys.argv[1]
os.makedirs(folder, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
