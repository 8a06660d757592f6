"""The preview as the Display Properties window starts it: "/p" and the handle of a preview area.

A host of our own (fixtures/preview_host.c) plays the Display Properties window in another
process: it reports the windows inside its preview area and closes or destroys them on command.
Under Wine, what a window draws inside another process's window never reaches the screen, so the
picture itself is looked at with the desktop window as the host: there the picture box becomes a
window of its own on the screen, drawn by the same code at the size of the host's client area.
"""

import os
import subprocess
import tempfile
import time
import unittest

from harness import BUILD_DIR, SOURCE_DIR, SaverTest, fixture, wait_until

PICTURE = os.path.join(SOURCE_DIR, "resources", "preview_picture.bmp")
PICTURE_W, PICTURE_H = 150, 112
BORDER = 2
# The program checks its host every 50 ms; the rest is Wine ending a process on a busy machine,
# which can take seconds: a limit for the wait, not a measurement.
QUICK_END = 10.0


def rgb(colorref):
    return (colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF)


def raw_pixels(image, crop=None):
    """The pixels of an image file (or a crop WxH+X+Y of it) as rows of (r, g, b)."""
    args = ["convert", image]
    if crop:
        args += ["-crop", crop, "+repage"]
    size = subprocess.run(args + ["-format", "%w %h", "info:"], capture_output=True,
                          check=True).stdout.split()
    w, h = int(size[0]), int(size[1])
    data = subprocess.run(args + ["-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return [[tuple(data[(y * w + x) * 3:(y * w + x) * 3 + 3]) for x in range(w)] for y in range(h)]


class PreviewHost:
    """The stand-in Display Properties window, driven through its command file."""

    def __init__(self, session, width, height):
        exe = fixture("preview_host.exe", ["tests/e2e/fixtures/preview_host.c"],
                      "i686-w64-mingw32-gcc", ["-mwindows"])
        self.dir = tempfile.mkdtemp(dir=session.tmp)
        self.proc = subprocess.Popen(["wine", exe, session.wine_path(self.dir), str(width),
                                      str(height)], env=session.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        session.procs.append(self.proc)
        self.seq = 0
        self.hwnd = int(wait_until(lambda: self._read("hwnd.txt"), 30, what="the preview host"))

    def _read(self, name):
        try:
            with open(os.path.join(self.dir, name)) as f:
                return f.read()
        except FileNotFoundError:
            return None

    def command(self, text):
        """Runs one command; returns the words of each line of its answer."""
        self.seq += 1
        tmp = os.path.join(self.dir, "cmd.tmp")
        with open(tmp, "w") as f:
            f.write(f"{self.seq} {text}\n")
        os.replace(tmp, os.path.join(self.dir, "cmd.txt"))
        head = f"{self.seq} "
        reply = wait_until(lambda: (r := self._read("reply.txt")) and r.startswith(head) and r,
                           20, what=f"the host's answer to {text!r}")
        lines = reply.splitlines()
        if lines[0] != f"{self.seq} ok":
            raise AssertionError(f"the host could not {text}")
        return [line.split() for line in lines[1:]]

    def children(self):
        return [dict(hwnd=int(f[1]), pid=int(f[2]), visible=f[3] == "1",
                     rect=tuple(int(v) for v in f[4:8]), cls=f[8])
                for f in self.command("children")]

    def windows(self):
        return [dict(hwnd=int(f[1]), pid=int(f[2]), visible=f[3] == "1", cls=f[6])
                for f in self.command("windows")]


class PreviewTest(SaverTest):
    def setUp(self):
        super().setUp()
        self.s.install()

    def visible_saver_windows(self):
        """Mapped X windows of the saver's process (Wine names them after the program)."""
        return self.s.search("--classname", "glimbrook.scr")

    def assert_ends_soon(self, saver):
        self.assertEqual(self.s.wait_exit(saver, QUICK_END), 0)


class PreviewInAHost(PreviewTest):
    def start_preview(self, width, height):
        host = PreviewHost(self.s, width, height)
        saver = self.s.start_saver("/p", str(host.hwnd))
        # Moving a shown window into another parent hides it and shows it again: the host may see
        # the box hidden for a moment on the way in.
        child = wait_until(lambda: [c for c in host.children() if c["visible"]], 30,
                           what="the picture box shown in the host")[0]
        return host, saver, child

    def test_the_picture_box_fills_the_host_until_the_host_is_destroyed(self):
        for w, h in ((152, 112), (333, 250), (60, 40)):
            with self.subTest(size=(w, h)):
                host, saver, child = self.start_preview(w, h)
                self.assertEqual(child["cls"], "GlimbrookPicture")
                self.assertEqual(child["rect"], (0, 0, w, h))
                self.assertEqual(len(host.children()), 1)
                # The rest of the program, its hidden form, stays out of sight.
                own = [x for x in host.windows() if x["pid"] == child["pid"]]
                self.assertIn("GlimbrookForm", [x["cls"] for x in own])
                self.assertEqual([x for x in own if x["visible"]], [])
                self.assertEqual(self.visible_saver_windows(), [])
                self.assertTrue(self.s.still_running_after(saver, 0.5))
                # Destroyed without WM_CLOSE: the box goes with the area, the program ends.
                host.command("destroy-area")
                self.assert_ends_soon(saver)
                host.command("quit")
                self.s.wait_exit(host.proc, 20)

    def test_a_host_whose_process_ends_ends_the_preview(self):
        host, saver, _ = self.start_preview(152, 112)
        host.proc.kill()
        self.assert_ends_soon(saver)

    def test_posted_wm_close_takes_the_picture_back_and_ends_the_program(self):
        host, saver, _ = self.start_preview(152, 112)
        host.command("post-close")
        self.assert_ends_soon(saver)
        self.assertEqual(host.children(), [])
        self.assertIsNone(host.proc.poll())

    def test_sent_wm_close_takes_the_picture_back_at_once(self):
        host, saver, _ = self.start_preview(200, 150)
        # The host lists its children as soon as the answer has come back: none are left.
        self.assertEqual(host.command("send-close"), [])
        self.assert_ends_soon(saver)

    def test_a_handle_that_names_no_window_ends_at_the_first_check(self):
        for args in (["/p"], ["/p:123"], ["/p", "999999"], ["/P", "0"]):
            with self.subTest(args=args):
                start = time.monotonic()
                saver = self.s.start_saver(*args)
                seen = set()
                # From the start of Wine itself: about a second here for a program that ends as
                # soon as it has started; one that waited for anything would run on.
                while saver.poll() is None and time.monotonic() - start < 2 * QUICK_END:
                    seen.update(self.visible_saver_windows())
                self.assertEqual(self.s.wait_exit(saver, 1), 0)
                self.assertEqual(seen, set())


class PreviewPicture(PreviewTest):
    """The picture on the screen, the desktop window as its host, on a screen larger than it."""

    width, height = 320, 240

    def test_picture_at_the_top_left_inside_a_sunken_border_on_button_face(self):
        helper = PreviewHost(self.s, 20, 20)
        face, shadow, dark, light, highlight = (
            rgb(int(v)) for v in helper.command("colors")[0][1:])
        desktop = helper.command("desktop")[0][1]
        helper.command("hide")
        saver = self.s.start_saver("/p", desktop)
        wait_until(self.visible_saver_windows, 30, what="the picture on the desktop")

        W, H = self.width, self.height
        pw, ph = min(PICTURE_W, W - 2 * BORDER), min(PICTURE_H, H - 2 * BORDER)
        expected = raw_pixels(PICTURE, f"{pw}x{ph}+0+0")
        shot = None

        def painted():
            nonlocal shot
            shot = self.s.screenshot("preview_on_desktop")
            rows = raw_pixels(shot)[BORDER:BORDER + ph]
            return [row[BORDER:BORDER + pw] for row in rows] == expected

        wait_until(painted, 20, interval=0.3, what="the preview picture at (2, 2)")
        px = raw_pixels(shot)
        # The border: dark above and to the left, light below and to the right.
        mid_x, mid_y = W // 2, H // 2
        self.assertEqual((px[mid_y][0], px[mid_y][1]), (shadow, dark))
        self.assertEqual((px[0][mid_x], px[1][mid_x]), (shadow, dark))
        self.assertEqual((px[mid_y][W - 1], px[mid_y][W - 2]), (highlight, light))
        self.assertEqual((px[H - 1][mid_x], px[H - 2][mid_x]), (highlight, light))
        # Button face to the right of the picture and below it, up to the border.
        beyond = {px[y][x] for y in range(BORDER, H - BORDER) for x in range(BORDER, W - BORDER)
                  if x >= BORDER + pw or y >= BORDER + ph}
        larger = W - 2 * BORDER > PICTURE_W or H - 2 * BORDER > PICTURE_H
        self.assertEqual(beyond, {face} if larger else set())

        # WM_CLOSE from the host: the picture goes back into the hidden form, the program ends.
        box = [x for x in helper.windows() if x["cls"] == "GlimbrookPicture"]
        self.assertEqual(len(box), 1)
        helper.command(f"post-close {box[0]['hwnd']}")
        self.assert_ends_soon(saver)
        self.assertEqual(self.visible_saver_windows(), [])


class CroppedPreviewPicture(PreviewPicture):
    """A host smaller than the picture: the picture is cut off at the right and at the bottom."""

    width, height = 100, 80


class MessageHook(SaverTest):
    def test_reports_the_chosen_messages_of_its_window(self):
        exe = fixture("msghook_check.exe", ["tests/e2e/fixtures/msghook_check.cpp",
                                            "platform/win32/msghook.cpp"],
                      "i686-w64-mingw32-g++",
                      ["-std=c++20", "-Wall", "-Wextra", "-Werror", "-DNOMINMAX",
                       "-D_WIN32_WINNT=0x0501", "-I", SOURCE_DIR, "-lcomctl32"],
                      depends=["platform/win32/msghook.h"])
        r = self.s.run(["wine", exe], check=False)
        self.assertEqual(r.returncode, 0, r.stdout.decode(errors="replace"))


if __name__ == "__main__":
    unittest.main()
