"""The sound control under Wine: with no sound device, with an ALSA device that writes what it
plays to a file (so that what was played can be measured), and the saver run with sound on.

The probe (sound_probe/sound_probe.cpp) is cross-built here by hand against the cross tree's
libraries; it drives the real sound control the way the saver window does.
"""

import os
import shutil
import struct
import subprocess
import sys
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

PROBE_DIR = os.path.join(harness.BUILD_DIR, "sound-probe")
PROBE = os.path.join(PROBE_DIR, "sound_probe.exe")
MEDIA = os.path.join(PROBE_DIR, "media")
TONE_HZ, TONE_RATE, TONE_SECONDS, TONE_LEVEL = 1000, 22050, 0.5, 0.5


def build_probe():
    cross = os.path.join(harness.BUILD_DIR, "cross")
    src = harness.SOURCE_DIR
    os.makedirs(PROBE_DIR, exist_ok=True)
    subprocess.run(
        ["i686-w64-mingw32-g++", "-std=c++20", "-O1", "-Wall", "-Wextra", "-Werror",
         "-DWIN32_LEAN_AND_MEAN", "-DNOMINMAX", "-D_WIN32_WINNT=0x0501", "-I", src,
         os.path.join(src, "tests/e2e/sound_probe/sound_probe.cpp"),
         os.path.join(src, "platform/win32/fxsnd_control.cpp"),
         "-L", cross, "-lglimbrook_sound", "-lglimbrook_shell",
         "-static", "-static-libgcc", "-static-libstdc++", "-lwinmm", "-o", PROBE],
        check=True)


def write_midi(path):
    """Three short notes, format 0: a tune that a sequencer with a device would end in a second."""
    def vlq(n):
        out = [n & 0x7F]
        n >>= 7
        while n:
            out.insert(0, (n & 0x7F) | 0x80)
            n >>= 7
        return bytes(out)
    ev = b""
    for note in (60, 64, 67):
        ev += vlq(0) + bytes([0x90, note, 100]) + vlq(96) + bytes([0x80, note, 0])
    ev += vlq(0) + b"\xff\x2f\x00"
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(ev))
                + ev)


def make_media():
    os.makedirs(MEDIA, exist_ok=True)
    for name in ("ovrinpd", "ovrinho", "ovrinht1"):
        subprocess.run(["sox", "-n", "-r", str(TONE_RATE), "-b", "16", "-c", "1",
                        os.path.join(MEDIA, name + ".wav"), "synth", str(TONE_SECONDS), "sine",
                        str(TONE_HZ), "vol", str(TONE_LEVEL)], check=True)
    for i in range(1, 11):
        write_midi(os.path.join(MEDIA, f"ovrin{i}.mid"))


def parse_output(r):
    out = {}
    for line in r.stdout.decode(errors="replace").splitlines():
        if "=" in line:
            k, v = line.strip().split("=", 1)
            out[k] = v
    return out


def measure(capture):
    """The sounding part of a captured WAV: (seconds, frequency by zero crossings, peak 0..1)."""
    with wave.open(capture) as w:
        assert w.getsampwidth() == 2, "capture is not 16-bit"
        ch, rate, n = w.getnchannels(), w.getframerate(), w.getnframes()
        data = struct.unpack(f"<{n * ch}h", w.readframes(n))[::ch]
    loud = [i for i, v in enumerate(data) if abs(v) > 300]
    if not loud:
        return 0.0, 0.0, 0.0
    seg = data[loud[0]:loud[-1] + 1]
    crossings = sum(1 for i in range(1, len(seg)) if (seg[i - 1] < 0) != (seg[i] < 0))
    seconds = len(seg) / rate
    return seconds, crossings / 2 / seconds, max(abs(v) for v in seg) / 32768


class SoundProbe(harness.SaverTest):
    @classmethod
    def setUpClass(cls):
        build_probe()
        make_media()

    def probe(self, *args):
        return parse_output(self.s.run(["wine", PROBE, *args], timeout=120))

    def media_folder(self):
        return self.s.wine_path(MEDIA).rstrip("\\") + "\\"

    def test_no_device_turns_effects_off_and_the_tune_never_ends(self):
        r = self.probe("game", self.media_folder(), "11025", "1500")
        self.assertEqual(r.get("wave_devices"), "0")
        self.assertGreater(float(r["open_result"]), 0)
        self.assertEqual(r.get("soundfx_on"), "0")
        self.assertEqual(r.get("blocks_played"), "0")
        self.assertEqual(r.get("music_busy"), "1")
        # No MIDI device: the sequencer plays silently and never reports the end.
        self.assertEqual(r.get("music_busy_after_wait"), "1")
        self.assertEqual(r.get("done"), "1")

    def test_an_effect_plays_at_its_rate_and_volume(self):
        capture = self.s.use_capture_device()
        r = self.probe("game", self.media_folder(), "11025", "500")
        if r.get("wave_devices") == "0":
            self.skipTest("Wine found no ALSA device here")
        self.assertEqual(r.get("open_result"), "0")
        self.assertEqual(r.get("soundfx_on"), "1")
        self.assertEqual(r.get("state"), "1")
        self.assertEqual(r.get("state_after"), "1")
        self.assertEqual(r.get("done"), "1")
        # Half the file's rate: twice as long, an octave lower; -1 dB from the extra of -100.
        seconds, hz, peak = measure(capture)
        self.assertAlmostEqual(seconds, 2 * TONE_SECONDS, delta=0.03)
        self.assertAlmostEqual(hz, TONE_HZ / 2, delta=5)
        self.assertAlmostEqual(peak, TONE_LEVEL * 10 ** (-100 / 2000), delta=0.01)
        self.assertGreaterEqual(int(r["blocks_played"]), int(2 * TONE_SECONDS * 22050 / 256))

    def test_a_file_name_alone_plays_the_file(self):
        capture = self.s.use_capture_device()
        wav = self.s.wine_path(os.path.join(MEDIA, "ovrinho.wav"))
        r = self.probe("oneshot", wav, "1500")
        self.assertEqual(r.get("done"), "1")
        if not os.path.exists(capture):
            self.skipTest("Wine found no ALSA device here")
        seconds, hz, peak = measure(capture)
        self.assertAlmostEqual(seconds, TONE_SECONDS, delta=0.03)
        self.assertAlmostEqual(hz, TONE_HZ, delta=10)
        self.assertAlmostEqual(peak, TONE_LEVEL, delta=0.01)


class SaverWithSound(harness.SaverTest):
    def test_saver_with_music_and_effects_runs_and_ends_without_a_device(self):
        s = self.s
        s.install()
        for name in ("music_on", "soundfx_on"):
            s.set_setting(name, "1")
        p = s.start_saver("/s")
        s.wait_window("^screen saver running$", timeout=60)
        # Let it play a few seconds: set-up, tunes started, effects off for the run.
        self.assertTrue(s.still_running_after(p, 3), "the saver ended by itself")
        self.assertEqual(s.end_run_with(p, lambda: s.click(s.width // 2, s.height // 2)), 0)
        # No top-10 entry was saved, so the stored option is untouched.
        self.assertEqual(s.get_setting("soundfx_on"), "1")


if __name__ == "__main__":
    unittest.main()
