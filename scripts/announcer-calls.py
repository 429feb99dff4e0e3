#!/usr/bin/env python3
"""Prints the announcer calls recorded since its last run, once the record has settled.

    announcer-calls.py RECORD STATE

RECORD is the stand-in driver's record (one line per call, GBK bytes as \\xHH escapes);
STATE is this script's own file: how far RECORD has been printed and what the two display
lines show. Every picture is printed after its DrawImage line, from the braille text the
driver keeps beside the picture's copy. Last comes what the display lines show now.
"""
import json
import os
import re
import sys
import time

LEAST, QUIET, MOST = 2.0, 0.8, 8.0  # seconds: a capture tick comes every second
CALL = re.compile(r'^\d+ (\w+) ?(.*)$')
QUOTED = re.compile(r'"([^"]*)"')


def readable(escaped):
    raw = re.sub(rb"\\x([0-9A-Fa-f]{2})", lambda m: bytes([int(m.group(1), 16)]),
                 escaped.encode("latin-1", "replace"))
    return raw.decode("gbk", "replace")


def settled(record, offset):
    """Waits until the record has stopped growing; returns its new complete lines."""
    start = time.monotonic()
    size, since = -1, start
    while True:
        now = time.monotonic()
        current = os.path.getsize(record)
        if current != size:
            size, since = current, now
        if now - start >= MOST or (now - start >= LEAST and now - since >= QUIET):
            break
        time.sleep(0.1)
    with open(record, "rb") as f:
        f.seek(offset)
        data = f.read()
    complete = data[:data.rfind(b"\n") + 1]
    return offset + len(complete), complete.decode("latin-1").splitlines()


def show(line, lines, folder):
    match = CALL.match(line)
    if not match:
        print("   ?", line)
        return
    name, args = match.groups()
    print("   " + name + " " + readable(args))
    texts = [readable(t) for t in QUOTED.findall(args)]
    if name == "Cls":
        lines[:] = ["", ""]
    elif name == "PrintText" and args.split()[1] in ("1", "2"):
        lines[int(args.split()[1]) - 1] = texts[0]
    elif name == "DrawImage" and texts[-1]:
        braille = os.path.join(folder, texts[-1].rsplit(".", 1)[0] + ".txt")
        if os.path.exists(braille):
            with open(braille, encoding="utf-8") as f:
                for row in f.read().splitlines():
                    print("   |" + row + "|")
        else:
            print("   (not a picture)")


def main():
    record, state_path = sys.argv[1], sys.argv[2]
    state = {"offset": 0, "lines": ["", ""]}
    if os.path.exists(state_path):
        with open(state_path, encoding="utf-8") as f:
            state = json.load(f)
    offset, new = settled(record, state["offset"])
    if not new:
        print("   (no call)")
    for line in new:
        show(line, state["lines"], os.path.dirname(record))
    print("   display now: line 1 [%s]  line 2 [%s]" % tuple(state["lines"]))
    state["offset"] = offset
    with open(state_path, "w", encoding="utf-8") as f:
        json.dump(state, f)


if __name__ == "__main__":
    main()
