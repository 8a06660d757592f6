"""The README's main command on a machine with no display: the script behind `make run` starts a
virtual display, waits for the game, and leaves a screenshot of the running saver."""

import os
import subprocess
import tempfile
import unittest

from harness import BUILD_DIR, SOURCE_DIR, Session


def lit_share(pixels):
    return sum(1 for p in pixels if p != (0, 0, 0)) / len(pixels)


class RunWithoutDisplay(unittest.TestCase):
    def test_the_screenshot_shows_the_running_saver(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        shot = os.path.join(BUILD_DIR, "run-screenshot.png")
        if os.path.exists(shot):
            os.remove(shot)
        # Output through a file: Wine's helpers inherit the handles and would hold a pipe open.
        with tempfile.TemporaryFile() as out:
            r = subprocess.run([os.path.join(SOURCE_DIR, "scripts", "run-saver.sh"), BUILD_DIR],
                               env=env, stdout=out, stderr=subprocess.STDOUT, timeout=300)
            out.seek(0)
            said = out.read().decode(errors="replace")
        self.assertEqual(r.returncode, 0, said)
        self.assertIn(shot, said)
        px = Session.pixel
        # The backdrop in the screen's four corners.
        for x, y in ((2, 2), (1021, 2), (2, 765), (1021, 765)):
            self.assertNotEqual(px(shot, x, y), (0, 0, 0), (x, y))
        fx, fy = 1024 // 2 - 320, 768 // 2 - 240
        # The field at its place: black empty cells at both ends of its bottom rows and a dark
        # band across its empty middle; bricks in its top rows; backdrop just beside it.
        for x, y in ((fx + 4, fy + 470), (fx + 635, fy + 470)):
            self.assertEqual(px(shot, x, y), (0, 0, 0), (x, y))
        self.assertLess(lit_share(Session.pixels(shot, fx, fy + 210, 640, 100)), 0.05)
        self.assertGreater(lit_share(Session.pixels(shot, fx + 32, fy + 32, 576, 160)), 0.15)
        self.assertNotEqual(px(shot, fx - 4, fy + 470), (0, 0, 0))


if __name__ == "__main__":
    unittest.main()
