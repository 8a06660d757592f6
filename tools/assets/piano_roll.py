#!/usr/bin/env python3
"""Draws the committed tunes as piano rolls (one PNG per tune, one colour per channel, bar
lines in grey) so an arrangement can be looked at without a synthesiser.

    python3 tools/assets/piano_roll.py [OUTPUT_FOLDER]   (default: build-assets/)"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from imagefile import png_bytes  # noqa: E402
from raster import Image  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
COLOURS = {0: (255, 90, 90), 1: (90, 200, 255), 2: (120, 220, 120), 3: (250, 210, 80),
           9: (200, 200, 200)}


def notes_of(data):
    """(start tick, end tick, channel, pitch) of every note, and the bar length in ticks."""
    division = struct.unpack_from('>H', data, 12)[0]
    at, notes, bar = 14, [], division * 4
    while at < len(data):
        length = struct.unpack_from('>I', data, at + 4)[0]
        p, end, tick, status, held = at + 8, at + 8 + length, 0, 0, {}
        while p < end:
            v = 0
            while True:
                b = data[p]
                p += 1
                v = (v << 7) | (b & 0x7F)
                if not b & 0x80:
                    break
            tick += v
            if data[p] & 0x80:
                status = data[p]
                p += 1
            if status == 0xFF:
                kind, n = data[p], data[p + 1]
                if kind == 0x58:
                    bar = division * 4 * data[p + 2] // (1 << data[p + 3])
                p += 2 + n
                continue
            kind, ch = status >> 4, status & 15
            if kind in (0xC, 0xD):
                p += 1
                continue
            a, b = data[p], data[p + 1]
            p += 2
            if kind == 0x9 and b:
                held[(ch, a)] = tick
            elif kind in (0x8, 0x9) and (ch, a) in held:
                notes.append((held.pop((ch, a)), tick, ch, a))
        at = end
    return notes, bar


def roll(notes, bar, px_per_bar=24, low=28, high=96):
    end = max(n[1] for n in notes)
    w = end * px_per_bar // bar + 2
    h = (high - low) * 3
    img = Image(w, h, (16, 16, 24))
    for x in range(0, w, px_per_bar):
        for y in range(h):
            img.set(x, y, (48, 48, 60))
    for s, e, ch, pitch in notes:
        y = (high - min(high - 1, max(low, pitch))) * 3 - 3
        for x in range(s * px_per_bar // bar, max(s * px_per_bar // bar + 1, e * px_per_bar // bar)):
            for dy in range(2):
                img.set(x, y + dy, COLOURS.get(ch, (255, 255, 255)))
    return img


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build-assets')
    os.makedirs(out_dir, exist_ok=True)
    for n in range(1, 11):
        with open(os.path.join(ROOT, 'media', 'ovrin%d.mid' % n), 'rb') as f:
            notes, bar = notes_of(f.read())
        path = os.path.join(out_dir, 'roll_ovrin%d.png' % n)
        with open(path, 'wb') as f:
            f.write(png_bytes(roll(notes, bar)))
        print(path)


if __name__ == '__main__':
    main()
