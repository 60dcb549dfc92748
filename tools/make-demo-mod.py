#!/usr/bin/env python3
"""Writes the demo's music module: a 4-channel ProTracker MOD made byte by
byte, with two synthesised samples (a decaying bell and a looped square-wave
drone) and two patterns of a slow tune in A minor.

    make-demo-mod.py TARGET.mod
"""
import math
import struct
import sys

# Amiga periods of the notes used (octaves 1 to 3 of the tracker).
PERIOD = {
    "A-1": 508, "C-2": 428, "D-2": 381, "E-2": 339, "F-2": 320, "G-2": 285,
    "A-2": 254, "B-2": 226, "C-3": 214, "D-3": 190, "E-3": 170,
}


def bell(length=6000):
    """A bell: two inharmonic partials with an exponential decay, 8-bit signed."""
    out = bytearray()
    for i in range(length):
        t = i / 8363.0
        v = (math.sin(2 * math.pi * 523 * t) + 0.5 * math.sin(2 * math.pi * 1316 * t))
        v *= math.exp(-3.0 * t) * 80
        out.append(int(round(v)) & 0xFF)
    return bytes(out)


def drone(length=64):
    """One period-friendly loop of a soft square wave."""
    return bytes(((40 if i < length // 2 else -40) & 0xFF) for i in range(length))


def sample_header(name, data, volume, loop_start=0, loop_length=2):
    # Lengths and loop points are counted in words (two bytes).
    return struct.pack(">22sHbBHH", name.encode("ascii"), len(data) // 2, 0, volume,
                       loop_start // 2, loop_length // 2)


def cell(sample=0, note=None, effect=0, param=0):
    period = PERIOD[note] if note else 0
    return bytes([(sample & 0xF0) | (period >> 8), period & 0xFF,
                  ((sample & 0x0F) << 4) | effect, param])


def pattern(melody, bass):
    """64 rows: the melody on channel 1 every 4 rows, the drone on channel 2
    every 16 rows, channels 3 and 4 an echo of the melody two rows later."""
    rows = []
    for row in range(64):
        c1 = cell(1, melody[row // 4]) if row % 4 == 0 else cell()
        c2 = cell(2, bass[row // 16]) if row % 16 == 0 else cell()
        c3 = cell(1, melody[row // 4], 0xC, 20) if row % 4 == 2 else cell()
        c4 = cell(0, None, 0xF, 8) if row == 0 else cell()  # speed 8: a slow tempo
        rows.append(c1 + c2 + c3 + c4)
    return b"".join(rows)


def main(target):
    samples = [("zvon", bell(), 64, 0, 2), ("bordun", drone(), 32, 0, 64)]
    header = struct.pack("20s", b"olsansky zvon")
    for name, data, volume, start, length in samples:
        header += sample_header(name, data, volume, start, length)
    for _ in range(31 - len(samples)):
        header += sample_header("", b"", 0)
    order = bytes([0, 1, 0, 1]) + bytes(124)
    header += bytes([4, 127]) + order + b"M.K."
    first = pattern(["A-2", "C-3", "E-3", "D-3", "C-3", "B-2", "A-2", "E-2",
                     "F-2", "A-2", "C-3", "B-2", "A-2", "G-2", "E-2", "A-2"],
                    ["A-1", "A-1", "D-2", "E-2"])
    second = pattern(["E-3", "D-3", "C-3", "B-2", "A-2", "B-2", "C-3", "A-2",
                      "G-2", "F-2", "E-2", "F-2", "G-2", "B-2", "A-2", "A-2"],
                     ["C-2", "F-2", "E-2", "A-1"])
    with open(target, "wb") as out:
        out.write(header + first + second + b"".join(s[1] for s in samples))


if __name__ == "__main__":
    main(sys.argv[1])
