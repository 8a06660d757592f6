"""Turns a carol written as a melody with chord names into a small band arrangement: the
melody, a harmony voice under it, an accompaniment (sustained chords, an arpeggio or off-beat
chords), a bass line and light percussion, over an introduction and several verses whose
instruments change, with a slowing ending."""

import smf

NOTE_NAMES = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}
QUALITIES = {'': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10),
             'maj7': (0, 4, 7, 11), 'dim': (0, 3, 6)}

# General MIDI programs by name, so that the arrangements read plainly.
GM = {'piano': 0, 'celesta': 8, 'glockenspiel': 9, 'music_box': 10, 'vibraphone': 11,
      'tubular_bells': 14, 'organ': 19, 'accordion': 21, 'nylon_guitar': 24,
      'acoustic_bass': 32, 'finger_bass': 33, 'pizzicato': 45, 'harp': 46, 'strings': 48,
      'slow_strings': 49, 'choir': 52, 'trumpet': 56, 'trombone': 57, 'french_horn': 60,
      'brass': 61, 'oboe': 68, 'bassoon': 70, 'clarinet': 71, 'piccolo': 72, 'flute': 73,
      'recorder': 74, 'pan_flute': 75, 'warm_pad': 89, 'cello': 42, 'violin': 40}

# General MIDI percussion keys (channel 10).
KICK, RIM, TAMBOURINE, TRIANGLE_MUTE, TRIANGLE, SHAKER, JINGLE = 35, 37, 54, 80, 81, 70, 83

MELODY, HARMONY, ACCOMP, BASS, DRUMS = 0, 1, 2, 3, 9


def note_number(name):
    """'C4' is 60, 'F#4' 66, 'Bb3' 58."""
    letter, rest = name[0], name[1:]
    n = NOTE_NAMES[letter]
    while rest and rest[0] in '#b':
        n += 1 if rest[0] == '#' else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + n


def chord_tones(symbol):
    """Pitch classes of a chord name such as 'G', 'Em', 'D7', 'F#m', 'Bb'; the root first."""
    root = NOTE_NAMES[symbol[0]]
    rest = symbol[1:]
    if rest[:1] in ('#', 'b'):
        root += 1 if rest[0] == '#' else -1
        rest = rest[1:]
    return [(root + i) % 12 for i in QUALITIES[rest]]


class Part:
    """A stretch of a carol: its bars of melody and of chords, written as text. Bars are
    separated by '|'; a melody token is NOTE/BEATS ('r' for a rest); a chord bar holds one or
    more chord names that share the bar equally. With a pickup, the first bar is the pickup
    and the last bar is shorter by as much, so that repeats keep the bar lines in place."""

    def __init__(self, melody, chords, beats_per_bar, pickup=0.0):
        mbars = [b.split() for b in melody.split('|')]
        cbars = [b.split() for b in chords.split('|')]
        if len(mbars) != len(cbars):
            raise ValueError('melody has %d bars, chords %d' % (len(mbars), len(cbars)))
        self.notes = []   # (start, length, pitch or None)
        self.chords = []  # (start, length, pitch classes)
        lengths = []
        t = 0.0
        for k, (mb, cb) in enumerate(zip(mbars, cbars)):
            expect = beats_per_bar
            if pickup and k == 0:
                expect = pickup
            elif pickup and k == len(mbars) - 1:
                expect = beats_per_bar - pickup
            length = 0.0
            for tok in mb:
                name, beats = tok.split('/')
                beats = float(beats)
                self.notes.append((t + length, beats, None if name == 'r' else note_number(name)))
                length += beats
            if abs(length - expect) > 1e-9:
                raise ValueError('bar %d lasts %g beats, not %g: %s' % (k, length, expect, mb))
            lengths.append(length)
            t += length
        self.chords = chord_spans(cbars, lengths)
        self.length = t
        self.pickup = pickup


def chord_spans(bars, lengths):
    """(start, length, pitch classes) of every chord, the chords of a bar sharing it equally."""
    out, t = [], 0.0
    for names, length in zip(bars, lengths):
        share = length / len(names)
        for i, sym in enumerate(names):
            out.append((t + i * share, share, chord_tones(sym)))
        t += length
    return out


class Verse:
    """One pass through a part, with its instruments and textures.
    harmony: program of the voice under the melody, or None.
    accomp: (program, style) with style 'pad', 'arp', 'high_arp' or 'offbeat', or None.
    bass: (program, style) with style 'walk' or 'pedal'.
    drums: None, 'sleigh', 'shaker' or 'triangle'. transpose: semitones."""

    def __init__(self, part, melody, harmony=None, accomp=None, bass=('acoustic_bass', 'walk'),
                 drums=None, transpose=0, melody_octave=0):
        self.part, self.melody, self.harmony = part, melody, harmony
        self.accomp, self.bass, self.drums = accomp, bass, drums
        self.transpose, self.melody_octave = transpose, melody_octave


class Tune:
    def __init__(self, title, meter, tempo, key, intro, verses, beats_per_bar=None):
        self.title = title
        self.meter = meter                  # (numerator, denominator) of the time signature
        self.bpb = beats_per_bar or meter[0] * 4.0 / meter[1]
        self.tempo = tempo                  # quarter notes per minute
        self.key = key                      # (sharps or -flats, minor)
        self.intro = intro                  # (chords as text, accompaniment program)
        self.verses = verses


# --- building the tracks -------------------------------------------------------------------------

def _tick(beats):
    return int(round(beats * smf.DIVISION))


def _velocity(base, k):
    """A small, regular unevenness, so the parts do not sound machine-stamped."""
    return max(1, min(127, base + (k * 7) % 5 - 2))


def _voicing(pcs, previous, low=52, high=70):
    """Three chord tones between low and high, as close as can be to the previous voicing."""
    pcs = pcs[:3] if len(pcs) < 4 else [pcs[0], pcs[1], pcs[3]]  # a seventh chord drops its fifth
    best, best_cost = None, None
    for base in range(low, high - 6):
        if base % 12 not in pcs:
            continue
        v = [base]
        for pc in pcs:
            if pc == base % 12:
                continue
            n = base + (pc - base) % 12
            v.append(n)
        v.sort()
        if v[-1] > high:
            continue
        cost = sum(abs(a - b) for a, b in zip(v, previous)) if previous else abs(v[0] - 60)
        if best_cost is None or cost < best_cost:
            best, best_cost = v, cost
    return best


class Arranger:
    def __init__(self, tune):
        self.tune = tune
        self.tracks = {ch: smf.Track(name) for ch, name in
                       ((MELODY, 'Melody'), (HARMONY, 'Harmony'), (ACCOMP, 'Accompaniment'),
                        (BASS, 'Bass'), (DRUMS, 'Percussion'))}
        self.conductor = smf.Track(tune.title)
        self.tempos = []
        self.programs = {}

    def set_program(self, beat, channel, name):
        if name is None or self.programs.get(channel) == name:
            return
        self.programs[channel] = name
        self.tracks[channel].program(_tick(beat), channel, GM[name])

    def play(self, channel, start, length, pitch, velocity):
        self.tracks[channel].note(_tick(start), _tick(length) - 8, channel, pitch, velocity)

    # --- the parts of one verse ---
    def melody(self, t0, verse, notes, extend_last):
        shift = verse.transpose + 12 * verse.melody_octave
        for k, (s, d, p) in enumerate(notes):
            if p is None:
                continue
            if k == len(notes) - 1:
                d += extend_last
            accent = 8 if abs((s + t0) % self.tune.bpb) < 1e-9 else 0
            self.play(MELODY, t0 + s, d, p + shift, _velocity(92 + accent, k))

    def harmony(self, t0, verse, notes, chords, extend_last):
        """A second voice under the melody: the chord tone a third to a sixth below each
        melody note, chosen close to the one before; short notes keep the last one."""
        held = None  # (start, pitch)
        prev = None
        out = []
        for k, (s, d, p) in enumerate(notes):
            if p is None:
                if held:
                    out.append((held[0], s - held[0], held[1]))
                    held = None
                continue
            if held and d < 0.5:
                continue
            pcs = _chord_at(chords, s)
            options = [n for n in range(p - 9, p - 2) if n % 12 in pcs]
            if not options:
                continue
            choice = min(options, key=lambda n: (abs(n - prev) if prev else abs(n - (p - 4)), -n))
            if held:
                out.append((held[0], s - held[0], held[1]))
            held, prev = (s, choice), choice
        if held:
            end = notes[-1][0] + notes[-1][1] + extend_last
            out.append((held[0], end - held[0], held[1]))
        for k, (s, d, n) in enumerate(out):
            self.play(HARMONY, t0 + s, d, n + verse.transpose, _velocity(68, k))

    def accompaniment(self, t0, style, chords, transpose, extend_last, voicing=None):
        bpb = self.tune.bpb
        prev = voicing
        for k, (s, d, pcs) in enumerate(chords):
            if k == len(chords) - 1:
                d += extend_last
            v = _voicing(pcs, prev)
            prev = v
            v = [n + transpose for n in v]
            if style == 'pad':
                for n in v:
                    self.play(ACCOMP, t0 + s, d, n, _velocity(54, k))
            elif style in ('arp', 'high_arp'):
                up = 12 if style == 'high_arp' else 0
                pattern = [v[0], v[1], v[2], v[0] + 12, v[2], v[1]]
                step, i = 0.5, 0
                while i * step < d - 1e-9:
                    length = min(step, d - i * step)
                    self.play(ACCOMP, t0 + s + i * step, length * 1.8 if i * step + length < d
                              else length, pattern[i % len(pattern)] + up, _velocity(58, i))
                    i += 1
            elif style == 'offbeat':
                for x in _grid(t0 + s, t0 + s + d, _offbeats(self.tune), bpb):
                    for n in v:
                        self.play(ACCOMP, x, 0.45, n, _velocity(56, k))
        return prev

    def bass(self, t0, style, chords, transpose, extend_last):
        bpb = self.tune.bpb
        beats = _bass_beats(self.tune)
        last_root = None
        for k, (s, d, pcs) in enumerate(chords):
            end = s + d + (extend_last if k == len(chords) - 1 else 0)
            root = _bass_note(pcs[0] + transpose, last_root)
            if style == 'pedal' or k == len(chords) - 1 and extend_last:
                self.play(BASS, t0 + s, end - s, root, _velocity(84, k))
                last_root = root
                continue
            hits = sorted({s} | {b - t0 for b in _grid(t0 + s, t0 + end, beats, bpb)})
            for i, h in enumerate(hits):
                nxt = hits[i + 1] if i + 1 < len(hits) else end
                n = root if i % 2 == 0 else _bass_note(pcs[2 if len(pcs) > 2 else 0] + transpose,
                                                       root, below=True)
                self.play(BASS, t0 + h, nxt - h, n, _velocity(86 if i == 0 else 76, k + i))
            last_root = root

    def drums(self, t0, style, length):
        if not style:
            return
        bpb = self.tune.bpb
        k = 0
        x = 0.0
        while x < length - 1e-9:
            at = t0 + x
            in_bar = at % bpb
            downbeat = abs(in_bar) < 1e-9
            on_beat = abs(in_bar - round(in_bar)) < 1e-9
            if style == 'sleigh':
                self.play(DRUMS, at, 0.25, JINGLE, 78 if on_beat else 46)
                if downbeat and bpb != 3:
                    self.play(DRUMS, at, 0.25, KICK, 60)
            elif style == 'shaker':
                self.play(DRUMS, at, 0.25, SHAKER, 54 if on_beat else 34)
                if downbeat:
                    self.play(DRUMS, at, 0.25, KICK, 52)
            elif style == 'triangle' and downbeat:
                self.play(DRUMS, at, 1.0, TRIANGLE, 44)
            x += 0.5
            k += 1

    # --- the whole tune ---
    def build(self):
        tune = self.tune
        c = self.conductor
        c.time_signature(0, *tune.meter)
        c.key_signature(0, *tune.key)
        self.tempos.append((0, tune.tempo))
        for ch, (vol, pan) in {MELODY: (110, 64), HARMONY: (84, 44), ACCOMP: (78, 86),
                               BASS: (100, 60), DRUMS: (70, 70)}.items():
            self.tracks[ch].control(0, ch, 7, vol)
            self.tracks[ch].control(0, ch, 10, pan)
            self.tracks[ch].control(0, ch, 91, 64)
        # introduction: two bars of chords, ending where the first verse's pickup begins
        first = tune.verses[0].part
        bars = [tune.bpb, tune.bpb - first.pickup]
        intro = chord_spans([b.split() for b in tune.intro[0].split('|')], bars)
        self.set_program(0, ACCOMP, tune.intro[1])
        self.set_program(0, BASS, tune.verses[0].bass[0])
        bells = tune.intro[1] in ('celesta', 'glockenspiel', 'music_box', 'harp', 'vibraphone')
        voicing = self.accompaniment(0, 'high_arp' if bells else 'pad', intro, 0, 0)
        self.bass(0, 'pedal', intro, 0, 0)
        t = sum(bars)
        for i, v in enumerate(tune.verses):
            last = i == len(tune.verses) - 1
            extend = tune.bpb if last else 0.0
            p = v.part
            self.set_program(t, MELODY, v.melody)
            self.set_program(t, HARMONY, v.harmony)
            if v.accomp:
                self.set_program(t, ACCOMP, v.accomp[0])
            self.set_program(t, BASS, v.bass[0])
            self.melody(t, v, p.notes, extend)
            if v.harmony:
                self.harmony(t, v, p.notes, p.chords, extend)
            if v.accomp:
                voicing = self.accompaniment(t, v.accomp[1], p.chords, v.transpose, extend,
                                             voicing)
            self.bass(t, v.bass[1], p.chords, v.transpose, extend)
            self.drums(t, v.drums, p.length - (p.pickup if last else 0.0))
            t += p.length
            if last:
                # slow down over the last two bars and let the final chord ring one bar more
                end_bar = t - p.pickup
                for k, f in enumerate((0.92, 0.84, 0.74)):
                    self.tempos.append((_tick(end_bar - 2 * tune.bpb + k * tune.bpb),
                                        tune.tempo * f))
                t = end_bar + tune.bpb
                if v.drums:
                    self.play(DRUMS, end_bar, 2.0, TRIANGLE if v.drums == 'triangle' else JINGLE, 70)
        self.end = _tick(t)
        for tick, bpm in self.tempos:
            c.tempo(tick, bpm)
        tracks = [c] + [self.tracks[ch] for ch in (MELODY, HARMONY, ACCOMP, BASS, DRUMS)]
        return smf.file_bytes(tracks), smf.seconds(self.tempos, self.end)


def _chord_at(chords, s):
    for cs, cd, pcs in chords:
        if cs - 1e-9 <= s < cs + cd - 1e-9:
            return pcs
    return chords[-1][2]


def _bass_note(pc, previous, below=False):
    """The pitch of class pc in the bass range, near the previous bass note."""
    options = [n for n in range(36, 53) if n % 12 == pc % 12]
    if previous is None:
        return min(options, key=lambda n: abs(n - 43))
    if below:
        under = [n for n in options if n < previous]
        if under:
            return max(under)
    return min(options, key=lambda n: abs(n - previous))


def _bass_beats(tune):
    """Where in a bar the walking bass plays: on 1 and 3 in 4/4, on 1 in 3/4, on both beats
    in 2/4, on both halves of a 6/8 bar."""
    if tune.meter == (6, 8):
        return (0.0, 1.5)
    return {4.0: (0.0, 2.0), 3.0: (0.0,), 2.0: (0.0, 1.0)}.get(tune.bpb, (0.0,))


def _offbeats(tune):
    if tune.meter == (6, 8):
        return (0.5, 1.0, 2.0, 2.5)
    return {4.0: (1.0, 3.0), 3.0: (1.0, 2.0), 2.0: (1.0,)}.get(tune.bpb, (1.0,))


def _grid(start, end, positions, bpb):
    bar = int(start // bpb) * bpb
    out = []
    while bar < end:
        for p in positions:
            x = bar + p
            if start - 1e-9 <= x < end - 1e-9:
                out.append(x)
        bar += bpb
    return out


