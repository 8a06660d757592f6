"""The three sound effects, synthesised: a woody tock for walls, the paddle and a lost ball, a
bell-like ting for a brick and a jolly "ho ho ho" for a new ball.

The game plays the effects at other sample rates than they were made at: the tock at 15000
(wall), 10000 (paddle) and 2500 (lost ball), the ting at 500 + 2000 per row point, 12500 to
32500. So each is made at a native rate near the middle of the rates it is played at: the tock
at 11025 (the wall a little higher, the paddle a little lower, the lost ball a deep slow
thud), the ting at 22050 (the highest rows a bright ting, the lowest a mellow one), and the
ho-ho-ho, which plays at its own rate, at 22050."""

import math
import os
import random
import struct


def write_wav(path, rate, samples):
    """Mono 16-bit PCM; samples are floats in [-1, 1]."""
    data = b''.join(struct.pack('<h', max(-32767, min(32767, int(round(s * 32767)))))
                    for s in samples)
    head = (b'RIFF' + struct.pack('<I', 36 + len(data)) + b'WAVE' + b'fmt '
            + struct.pack('<IHHIIHH', 16, 1, 1, rate, rate * 2, 2, 16)
            + b'data' + struct.pack('<I', len(data)))
    with open(path, 'wb') as f:
        f.write(head + data)


def normalise(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def fade_edges(samples, rate, ms_in=1.0, ms_out=4.0):
    """Short fades at both ends, so the sound starts and stops without a click."""
    n_in, n_out = int(rate * ms_in / 1000), int(rate * ms_out / 1000)
    out = list(samples)
    for k in range(min(n_in, len(out))):
        out[k] *= k / n_in
    for k in range(min(n_out, len(out))):
        out[-1 - k] *= k / n_out
    return out


class Resonator:
    """Two-pole band-pass resonance at a centre frequency and bandwidth (Hz)."""

    def __init__(self, rate, freq, bw):
        self.set(rate, freq, bw)
        self.y1 = self.y2 = 0.0

    def set(self, rate, freq, bw):
        r = math.exp(-math.pi * bw / rate)
        self.b1 = 2 * r * math.cos(2 * math.pi * freq / rate)
        self.b2 = -r * r
        self.a = 1 - self.b1 - self.b2

    def __call__(self, x):
        y = self.a * x + self.b1 * self.y1 + self.b2 * self.y2
        self.y2, self.y1 = self.y1, y
        return y


# --- the tock ----------------------------------------------------------------------------------

TOCK_RATE = 11025


def tock():
    """A wood block struck: a few inharmonic modes that die away within a tenth of a second,
    and a short noisy click at the strike."""
    rate = TOCK_RATE
    rnd = random.Random(7)
    n = int(rate * 0.16)
    modes = [(820, 1.0, 38), (1310, 0.45, 55), (2240, 0.25, 80), (3410, 0.12, 110)]
    out = []
    for k in range(n):
        t = k / rate
        s = sum(a * math.exp(-d * t) * math.sin(2 * math.pi * f * t) for f, a, d in modes)
        s += (rnd.random() * 2 - 1) * 0.6 * math.exp(-t * 900)
        out.append(s)
    return fade_edges(normalise(out, 0.85), rate, 0.3, 10)


# --- the ting ----------------------------------------------------------------------------------

TING_RATE = 22050


def ting():
    """A small bell: a bright strike on the partials of a struck bar, ringing out over a
    third of a second, the high partials fading first."""
    rate = TING_RATE
    f0 = 1046.5  # C6 at the native rate
    partials = [(1.0, 1.0, 9), (2.76, 0.5, 16), (5.40, 0.25, 26), (8.93, 0.12, 40),
                (2.0, 0.18, 12)]
    n = int(rate * 0.42)
    out = []
    for k in range(n):
        t = k / rate
        attack = min(1.0, t / 0.0015)
        s = sum(a * math.exp(-d * t) * math.sin(2 * math.pi * f0 * m * t) for m, a, d in partials)
        out.append(s * attack)
    return fade_edges(normalise(out, 0.8), rate, 0.0, 20)


# --- ho ho ho ------------------------------------------------------------------------------------

HO_RATE = 22050


def ho_ho_ho():
    """Three hearty "ho" syllables in a deep voice: a breathy h, then the vowel o made by
    passing a glottal pulse train through the formants of an o, its pitch falling through each
    syllable and from one syllable to the next."""
    rate = HO_RATE
    rnd = random.Random(25)
    syllables = [(0.00, 0.30, 150, 118), (0.40, 0.30, 138, 108), (0.80, 0.42, 128, 92)]
    total = int(rate * 1.34)
    source = [0.0] * total
    breath = [0.0] * total
    for start, dur, f_hi, f_lo in syllables:
        k0 = int(start * rate)
        h_len = int(0.06 * rate)
        # the h: a puff of noise that opens into the vowel
        for k in range(h_len):
            env = math.sin(math.pi * k / h_len) * 0.5
            breath[k0 + k] += (rnd.random() * 2 - 1) * env
        phase = 0.0
        n = int(dur * rate)
        for k in range(n):
            t = k / n
            f = f_hi + (f_lo - f_hi) * t + 6 * math.sin(2 * math.pi * 5.5 * k / rate)
            phase += f / rate
            # a glottal pulse: a sharp closing each period, rich in harmonics
            p = phase % 1.0
            pulse = (p * 2 - 1) - (1.2 * math.exp(-p * 18) - 0.06)
            env = min(1.0, k / (0.05 * rate)) * (1 - t) ** 0.6
            i = k0 + int(0.045 * rate) + k
            if i < total:
                source[i] += pulse * env
                breath[i] += (rnd.random() * 2 - 1) * env * 0.04
    # the formants of a deep, round "o"
    formants = [(480, 80, 1.0), (820, 90, 0.55), (2600, 160, 0.08), (3300, 220, 0.04)]
    out = [0.0] * total
    for f, bw, gain in formants:
        res = Resonator(rate, f, bw)
        for k in range(total):
            out[k] += res(source[k] + breath[k] * 2.0) * gain
    # a gentle low-pass takes the edge off the buzz; a high-pass below the voice keeps the
    # wave centred on zero
    y = 0.0
    x1 = hp = 0.0
    for k in range(total):
        y += 0.55 * (out[k] - y)
        hp = y - x1 + 0.995 * hp
        x1 = y
        out[k] = hp
    return fade_edges(normalise(out, 0.85), rate, 1, 30)


def write_all(folder):
    write_wav(os.path.join(folder, 'ovrinpd.wav'), TOCK_RATE, tock())
    write_wav(os.path.join(folder, 'ovrinht1.wav'), TING_RATE, ting())
    write_wav(os.path.join(folder, 'ovrinho.wav'), HO_RATE, ho_ho_ho())
