"""Standard MIDI Files, type 1: a tempo track and one track per part."""

import struct

DIVISION = 480  # ticks per quarter note


def vlq(n):
    """A variable-length quantity: seven bits per byte, high bit set on all but the last."""
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return bytes((0xFF, kind)) + vlq(len(data)) + data


class Track:
    """Events at absolute tick times; written sorted, with note-offs before note-ons at the
    same tick so that a repeated note sounds again."""

    def __init__(self, name):
        self.events = []  # (tick, order, bytes)
        self.add(0, meta(0x03, name.encode('ascii')), order=0)

    def add(self, tick, data, order=2):
        self.events.append((int(tick), order, len(self.events), data))

    def tempo(self, tick, bpm):
        self.add(tick, meta(0x51, struct.pack('>I', int(round(60_000_000 / bpm)))[1:]), order=1)

    def time_signature(self, tick, num, den):
        self.add(tick, meta(0x58, bytes((num, den.bit_length() - 1, 24, 8))), order=1)

    def key_signature(self, tick, sharps, minor):
        self.add(tick, meta(0x59, struct.pack('bB', sharps, 1 if minor else 0)), order=1)

    def program(self, tick, channel, program):
        self.add(tick, bytes((0xC0 | channel, program)), order=1)

    def control(self, tick, channel, number, value):
        self.add(tick, bytes((0xB0 | channel, number, value)), order=1)

    def note(self, tick, length, channel, pitch, velocity):
        end = tick + max(1, length)
        self.add(tick, bytes((0x90 | channel, pitch, velocity)), order=3)
        self.add(end, bytes((0x80 | channel, pitch, 0)), order=0)

    def chunk(self):
        body = bytearray()
        last = 0
        end = 0
        for tick, _, _, data in sorted(self.events):
            body += vlq(tick - last) + data
            last = tick
            end = max(end, tick)
        body += vlq(0) + meta(0x2F, b'')
        return b'MTrk' + struct.pack('>I', len(body)) + bytes(body)


def file_bytes(tracks):
    return (b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), DIVISION)
            + b''.join(t.chunk() for t in tracks))


def seconds(tempo_changes, end_tick):
    """Playing time up to end_tick for a list of (tick, bpm) tempo changes."""
    total, tick, bpm = 0.0, 0, 120.0
    for t, b in sorted(tempo_changes):
        if t > end_tick:
            break
        total += (t - tick) / DIVISION * 60.0 / bpm
        tick, bpm = t, b
    return total + (end_tick - tick) / DIVISION * 60.0 / bpm
