"""The configuration dialog ("/c") with its about box, top-10 table and password, as a user meets
them: what they show, what closing stores, and the highlighting under the mouse pointer."""

import os
import subprocess
import time
import unittest

from harness import SaverTest, fixture, scrambled, wait_until

TITLE = "^Glimbrook Saver Configuration$"
ABOUT = "^About This Screen Saver...$"
TOP10 = "^Glimbrook Screen Saver Top 10!$"
PASSWORD = "^Change  Password$"

GREEN, WHITE, BLUE = (0, 255, 0), (255, 255, 255), (0, 0, 255)
RED, YELLOW, GREY = (255, 0, 0), (255, 255, 0), (128, 128, 128)

# Client areas in pixels at 15 twips per pixel.
CONFIG_W, CONFIG_H = 350, 266
TOP10_W, TOP10_H = 276, 283

# Places within the configuration dialog's client area (pixels): a point on each control.
CHECK1 = (150, 66)
CHECK2 = (150, 120)
OPTION = {1: (45, 180), 2: (115, 180), 3: (190, 180)}
LABEL = {"home": (291, 79), "catalog": (291, 113), "top10": (290, 160), "about": (290, 207),
         "password": (212, 253), "exit": (292, 253), "maker": (270, 41)}
BACKGROUND = (20, 230)


def region(png, x, y, w, h):
    """The pixels of one rectangle of a screenshot, row by row, as (r, g, b) tuples."""
    raw = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8",
                          "rgb:-"], capture_output=True, check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def count(pixels, colour):
    return sum(1 for p in pixels if p == colour)


def dark(pixels):
    return sum(1 for p in pixels if sum(p) < 200)


def stable_shot(session, name, dialog):
    """A screenshot taken once the dialog's client area has stopped changing."""
    return session.settled_screenshot(name, dialog.cx, dialog.cy, dialog.client_w,
                                      dialog.client_h)


class Dialog:
    """One opened window: its client origin on the screen, from the frame that Wine draws."""

    def __init__(self, session, title, client_w, client_h):
        self.s = session
        self.wid = session.wait_window(title, 40)
        self.x, self.y, self.w, self.h = session.window_geometry(self.wid)
        border = (self.w - client_w) // 2
        self.cx, self.cy = self.x + border, self.y + self.h - border - client_h
        self.client_w, self.client_h = client_w, client_h

    def at(self, x, y):
        return self.cx + x, self.cy + y

    def click(self, x, y):
        self.s.click(*self.at(x, y))

    def move(self, x, y):
        self.s.move_mouse(*self.at(x, y))

    def region(self, png, x, y, w, h):
        return region(png, self.cx + x, self.cy + y, w, h)

    def pixel(self, png, x, y):
        return self.s.pixel(png, self.cx + x, self.cy + y)


class Configuration(SaverTest):
    def setUp(self):
        super().setUp()
        self.s.install()
        # The pointer starts away from where the dialog opens: a window that opens under the
        # pointer gets a mouse move there at once, and would light up what lies beneath.
        self.s.move_mouse(2, 2)

    def open(self, *args):
        self.proc = self.s.start_saver(*(args or ("/c",)))
        self.d = Dialog(self.s, TITLE, CONFIG_W, CONFIG_H)
        return self.d

    def close_by_exit(self):
        self.d.click(*LABEL["exit"])
        self.s.wait_exit(self.proc, 20)

    def stored_options(self):
        return tuple(self.s.get_setting(k) for k in ("music_on", "soundfx_on", "speed"))

    BOXES = ((105, 57, 19), (106, 111, 19))
    CIRCLES = ((1, 19, 172, 17), (2, 87, 172, 17), (3, 161, 172, 17))

    def mark(self, shot, left, top, height):
        # The middle of a check box's square or an option button's circle.
        return self.d.region(shot, left + 4, top + height // 2 - 3, 6, 6)

    def options_shot(self, name):
        """A screenshot taken once every box and circle has been painted (white inside)."""
        def painted():
            shot = self.s.screenshot(name)
            marks = [self.mark(shot, *b) for b in self.BOXES]
            marks += [self.mark(shot, *c[1:]) for c in self.CIRCLES]
            return shot if all(count(m, WHITE) for m in marks) else None
        return wait_until(painted, 10, what="the dialog painted")

    def shown_options(self, shot):
        """The ticks of the two check boxes and the selected option buttons, read from the
        screen: a tick or a selection dot is dark inside the white box or circle."""
        checks = tuple(dark(self.mark(shot, *b)) > 2 for b in self.BOXES)
        options = tuple(c[0] for c in self.CIRCLES if dark(self.mark(shot, *c[1:])) > 2)
        return checks, options

    def test_opens_centred_with_the_defaults_and_exit_stores_them(self):
        d = self.open()
        shot = self.options_shot("defaults")
        # Centred on the 1024 x 768 screen (outer frame, to the pixel).
        self.assertLessEqual(abs(d.x + d.w / 2 - 512), 1)
        self.assertLessEqual(abs(d.y + d.h / 2 - 384), 1)
        self.assertEqual(self.shown_options(shot), ((True, True), (2,)))
        # Design colours: black background, green options, red and yellow labels, grey maker
        # line, and no frame anywhere yet.
        self.assertEqual(d.pixel(shot, *BACKGROUND), (0, 0, 0))
        client = d.region(shot, 0, 0, CONFIG_W, CONFIG_H)
        self.assertEqual(count(client, BLUE), 0)
        self.assertGreater(count(d.region(shot, 122, 58, 80, 16), GREEN), 20)
        self.assertGreater(count(d.region(shot, 248, 72, 87, 15), RED), 20)
        self.assertGreater(count(d.region(shot, 275, 246, 35, 15), YELLOW), 20)
        self.assertGreater(count(d.region(shot, 198, 34, 145, 15), GREY), 20)
        self.assertIsNone(self.s.get_setting("speed"))
        self.close_by_exit()
        self.assertEqual(self.stored_options(), ("1", "1", "2"))
        # The whole record is written, the top-10 table and the empty password as loaded.
        self.assertEqual(self.s.get_setting("name1"), "Santa")
        self.assertEqual(self.s.get_setting("sc10"), "10")
        self.assertEqual(self.s.get_setting("misc"), "")

    def test_changed_options_are_stored_on_exit(self):
        d = self.open()
        d.click(*CHECK1)
        d.click(*OPTION[3])
        d.move(*BACKGROUND)
        shot = self.options_shot("changed")
        self.assertEqual(self.shown_options(shot), ((False, True), (3,)))
        self.close_by_exit()
        self.assertEqual(self.stored_options(), ("0", "1", "3"))
        # The next opening shows what was stored.
        d = self.open()
        d.move(*BACKGROUND)
        self.assertEqual(self.shown_options(self.options_shot("reopened")), ((False, True), (3,)))
        self.proc.kill()

    def test_the_close_box_stores_like_exit(self):
        d = self.open()
        d.click(*CHECK2)
        d.click(*OPTION[1])
        # The close box at the right end of the title bar that Wine draws.
        self.s.click(d.x + d.w - 13, d.y + 12)
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.stored_options(), ("1", "0", "1"))

    def test_alt_f4_stores_like_exit(self):
        d = self.open()
        d.click(*CHECK1)
        d.click(*CHECK2)
        d.click(*OPTION[3])
        self.s.key("alt+F4")
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.stored_options(), ("0", "0", "3"))

    def test_a_speed_outside_the_buttons_shows_none_and_is_kept(self):
        for speed in ("4", "0"):
            with self.subTest(speed=speed):
                self.s.set_setting("speed", speed)
                d = self.open()
                d.move(*BACKGROUND)
                shot = self.options_shot("speed_" + speed)
                self.assertEqual(self.shown_options(shot), ((True, True), ()))
                # Enter and Escape do nothing of the window's own.
                self.s.key("Return")
                self.s.key("Escape")
                self.assertTrue(self.s.still_running_after(self.proc, 0.5))
                self.close_by_exit()
                self.assertEqual(self.s.get_setting("speed"), speed)

    def test_stored_numbers_are_read_in_the_users_number_format(self):
        # A comma decimal and period grouping: "1,5" is one and a half, which rounds to the
        # even 2; "1.000" is a thousand. What is written back carries no marks.
        intl = r"HKCU\Control Panel\International"
        self.s.reg_set(intl, "sDecimal", ",")
        self.s.reg_set(intl, "sThousand", ".")
        self.s.set_setting("speed", "1,5")
        self.s.set_setting("sc1", "1.000")
        d = self.open()
        d.move(*BACKGROUND)
        self.assertEqual(self.shown_options(self.options_shot("comma_decimal"))[1], (2,))
        self.close_by_exit()
        self.assertEqual(self.s.get_setting("speed"), "2")
        self.assertEqual(self.s.get_setting("sc1"), "1000")

    def test_top10_table_shows_the_places_in_order_and_changes_nothing(self):
        self.open()
        self.d.click(*LABEL["top10"])
        t = Dialog(self.s, TOP10, TOP10_W, TOP10_H)
        # Centred like every dialog.
        self.assertLessEqual(abs(t.x + t.w / 2 - 512), 1)
        self.assertLessEqual(abs(t.y + t.h / 2 - 384), 1)
        self.s.move_mouse(2, 2)
        first = stable_shot(self.s, "top10_defaults", t)

        def cell(shot, column, row):
            # Inside the border of the score (column 0) or name (column 1) cell of a row.
            left, width = ((30, 79), (118, 145))[column]
            return t.region(shot, left + 1, 22 + 22 * row + 1, width - 2, 15)

        for row in range(10):
            for column in (0, 1):
                self.assertGreater(dark(cell(first, column, row)), 5, (row, column))
        # "Ok" has the focus: Enter presses it.
        self.s.key("Return")
        self.s.wait_no_window(TOP10, 10)
        # Showing wrote nothing; a second showing is the same.
        self.assertIsNone(self.s.get_setting("name1"))
        self.d.click(*LABEL["top10"])
        t = Dialog(self.s, TOP10, TOP10_W, TOP10_H)
        self.s.move_mouse(2, 2)
        again = stable_shot(self.s, "top10_again", t)
        self.assertEqual(self.s.crop_differs(first, again, t.cx, t.cy, TOP10_W, TOP10_H), 0)
        t.click(192 + 35, 248 + 13)  # Ok
        self.s.wait_no_window(TOP10, 10)
        self.close_by_exit()

        # The same table with the first and last places swapped and place 5 nameless: each row
        # shows its own place, the cells of rows 1 and 10 trade pictures exactly.
        for key, value in (("name1", "Frosty"), ("sc1", "10"), ("name10", "Santa"),
                           ("sc10", "100"), ("name5", ""), ("sc5", "99999")):
            self.s.set_setting(key, value)
        self.open()
        self.d.click(*LABEL["top10"])
        t = Dialog(self.s, TOP10, TOP10_W, TOP10_H)
        self.s.move_mouse(2, 2)
        swapped = stable_shot(self.s, "top10_swapped", t)
        for column in (0, 1):
            self.assertEqual(cell(swapped, column, 0), cell(first, column, 9))
            self.assertEqual(cell(swapped, column, 9), cell(first, column, 0))
            for row in (1, 2, 3, 5, 6, 7, 8):
                self.assertEqual(cell(swapped, column, row), cell(first, column, row))
        self.assertEqual(dark(cell(swapped, 1, 4)), 0)  # an empty name: a white cell
        self.assertGreater(dark(cell(swapped, 0, 4)), dark(cell(first, 0, 4)))  # "99999"
        self.s.key("Return")
        self.s.wait_no_window(TOP10, 10)
        self.proc.kill()

    def test_about_box_opens_modally_and_enter_closes_it(self):
        self.open()
        self.d.click(*LABEL["about"])
        a = Dialog(self.s, ABOUT, 312, 157)
        self.s.move_mouse(2, 2)
        shot = stable_shot(self.s, "about", a)
        self.assertLessEqual(abs(a.x + a.w / 2 - 512), 1)
        # The miniature of the game: black ground inside a sunken border.
        self.assertEqual(a.pixel(shot, 6 + 75, 6 + 60), (0, 0, 0))
        # Escape does nothing; the dialog behind takes no input meanwhile.
        self.s.key("Escape")
        self.d.click(*LABEL["exit"])
        self.assertTrue(self.s.still_running_after(self.proc, 0.5))
        self.assertTrue(self.s.find_windows(ABOUT))
        # A task switch puts the dialog over the box. A click on it, on the music box even, only
        # brings the box back in front with the keyboard: Enter then closes the box.
        box = (a.cx, a.cy, a.client_w, a.client_h)
        self.assertEqual(self.s.probe_window(TITLE[1:-1], foreground=True).get("foreground"), 1)
        wait_until(lambda: self.s.crop_differs(shot, self.s.screenshot("dialog_over_about"),
                                               *box) > 0, 10, what="the dialog over the box")
        self.d.click(*CHECK1)
        self.s.move_mouse(2, 2)
        wait_until(lambda: self.s.crop_differs(shot, self.s.screenshot("about_back"), *box) == 0,
                   10, what="the box in front")
        self.s.key("Return")
        self.s.wait_no_window(ABOUT, 10)
        self.assertIsNone(self.s.get_setting("speed"))
        # The dialog beneath has the keyboard again, back on the control that had it when the
        # box opened ("Harder", first in the tab order): Space selects it, and the close
        # keystroke closes and stores.
        self.s.key("space")
        self.s.key("alt+F4")
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.stored_options(), ("1", "1", "3"))

    def test_password_dialog_writes_misc_and_exit_writes_it_again(self):
        self.open()
        self.d.click(*LABEL["password"])
        p = Dialog(self.s, PASSWORD, 351, 103)
        p.click(132 + 53, 42 + 11)  # the first box
        self.s.type_text("abc")
        self.s.key("Tab")
        self.s.type_text("ABC")
        p.click(270 + 36, 12 + 11)  # OK
        self.s.wait_no_window(PASSWORD, 20)
        self.assertEqual(self.s.get_setting("misc"), scrambled("ABC"))
        self.assertTrue(self.s.still_running_after(self.proc, 0.3))
        # Closing the configuration writes the stored form again from the new password.
        self.s.set_setting("misc", "overwritten")
        self.close_by_exit()
        self.assertEqual(self.s.get_setting("misc"), scrambled("ABC"))

    def use_marker_programs(self):
        """Lets ".doc" files and web addresses open with a windowless program of ours that writes
        what it was given into a file of drive C; returns a function that waits for (and takes)
        one such file."""
        exe = self.s.wine_path(fixture("marker.exe", ["tests/e2e/fixtures/marker.c"],
                                       flags=["-mwindows"]))
        for key, marker in ((r"HKCR\glimtestdoc\shell\open\command", "doc"),
                            (r"HKCR\http\shell\open\command", "url")):
            self.s.run(["wine", "reg", "add", key, "/ve", "/d",
                        f'"{exe}" C:\\opened-{marker}.txt "%1"', "/f"])
        self.s.run(["wine", "reg", "add", r"HKCR\.doc", "/ve", "/d", "glimtestdoc", "/f"])

        def path(marker):
            return os.path.join(self.s.prefix, "drive_c", f"opened-{marker}.txt")

        def take(marker):
            def read():
                if not os.path.exists(path(marker)):
                    return None
                with open(path(marker), "rb") as f:
                    text = f.read().decode("latin-1").strip()
                return text or None
            text = wait_until(read, 20, what=f"{marker} opened")
            os.remove(path(marker))
            return text

        def untouched(marker):
            return not os.path.exists(path(marker))
        return take, untouched

    def test_links_open_the_catalogue_and_the_home_page(self):
        take, untouched = self.use_marker_programs()
        d = self.open()
        d.click(*LABEL["catalog"])
        install = self.s.wine_path(self.s.install_dir).rstrip("\\")
        self.assertEqual(take("doc").lower(), (install + "\\catalog.doc").lower())
        d.click(*LABEL["home"])
        home = take("url")
        self.assertTrue(home.startswith("http://"), home)
        # The maker line opens the same page; the title lines do nothing.
        d.click(*LABEL["maker"])
        self.assertEqual(take("url"), home)
        d.click(200, 12)  # element 3, in front
        d.click(200, 29)  # element 1, the shadow line just below it
        time.sleep(2)
        self.assertTrue(untouched("url") and untouched("doc"))
        # The about box's button opens it too, and the box stays open.
        d.click(*LABEL["about"])
        a = Dialog(self.s, ABOUT, 312, 157)
        a.click(6 + 100, 128 + 11)
        self.assertEqual(take("url"), home)
        a.click(6 + 100, 128 + 11)
        self.assertEqual(take("url"), home)
        self.assertTrue(self.s.find_windows(ABOUT))
        a.click(218 + 42, 128 + 11)  # Ok
        self.s.wait_no_window(ABOUT, 10)
        self.assertTrue(self.s.still_running_after(self.proc, 0.3))
        self.close_by_exit()

    def test_a_folder_too_long_for_the_platform_opens_and_plays_nothing(self):
        # 2000 characters in folders of 199: no file call takes it, and no call may fail hard.
        self.s.set_setting("install_path", "C:\\" + "\\".join(["f" * 199] * 10))
        _, untouched = self.use_marker_programs()
        d = self.open()
        d.click(40, 60)  # the picture's effect
        d.click(*LABEL["catalog"])
        d.click(*OPTION[3])
        d.move(*BACKGROUND)
        self.assertEqual(self.shown_options(self.options_shot("long_folder"))[1], (3,))
        self.assertTrue(untouched("doc"))
        self.close_by_exit()
        self.assertEqual(self.stored_options(), ("1", "1", "3"))

    def test_the_picture_plays_its_effect_also_with_effects_off(self):
        if not (os.path.exists("/usr/share/alsa/alsa.conf") and os.path.exists(
                os.path.join(self.s.prefix, "drive_c/windows/system32/winealsa.drv"))):
            self.skipTest("no ALSA for Wine here")
        capture = self.s.use_capture_device()
        self.s.set_setting("soundfx_on", "0")
        d = self.open()
        d.move(*BACKGROUND)
        self.assertEqual(self.shown_options(self.options_shot("effects_off"))[0], (True, False))
        d.click(40, 60)

        def sounding_samples():
            if not os.path.exists(capture):
                return 0
            with open(capture, "rb") as f:
                data = f.read()[44:]
            return sum(1 for i in range(0, len(data) - 1, 2)
                       if abs(int.from_bytes(data[i:i + 2], "little", signed=True)) > 1000)
        wait_until(lambda: sounding_samples() > 1000, 20, what="the effect played")
        self.assertTrue(self.s.still_running_after(self.proc, 0.3))
        self.close_by_exit()
        self.assertEqual(self.s.get_setting("soundfx_on"), "0")

    def test_arrow_keys_move_among_the_speeds_and_tab_selects_none(self):
        self.s.set_setting("speed", "1")
        d = self.open()
        d.move(*BACKGROUND)
        self.assertEqual(self.shown_options(self.options_shot("arrows_start")), ((True, True), (1,)))

        def after(keys, speed):
            self.s.key(*keys)
            wait_until(lambda: self.shown_options(self.options_shot("arrows_" + keys[-1]))[1] ==
                       (speed,), 10, what=f"{keys} selecting {speed}")
        # The focus starts on "Harder" and moves with each arrow: Left selects "Normal", then
        # "Easier", Up wraps round to "Harder"; Tab goes on to "Normal" and leaves the
        # selection as it is.
        after(("Left",), 2)
        after(("Left",), 1)
        after(("Up",), 3)
        after(("Tab",), 3)
        after(("Left",), 1)
        after(("Right",), 2)
        self.close_by_exit()
        self.assertEqual(self.s.get_setting("speed"), "2")

    def test_a_control_shows_its_tooltip_when_the_pointer_rests_on_it(self):
        d = self.open()
        d.move(OPTION[3][0] - 4, OPTION[3][1])
        d.move(*OPTION[3])
        # The tooltip: a white box just below the pointer, where the dialog is black.
        tip = lambda s: count(d.region(s, 190, 203, 70, 20), WHITE)
        wait_until(lambda: tip(self.s.screenshot("tooltip")) > 700, 20, what="the tooltip")
        self.proc.kill()

    def test_hover_lights_a_control_and_frames_it_until_the_background(self):
        d = self.open()
        px = d.pixel

        def check1_text(shot):
            return d.region(shot, 122, 58, 80, 16)

        def shot_when(name, predicate):
            return wait_until(lambda: (lambda s: predicate(s) and s)(self.s.screenshot(name)),
                              10, what=name)

        d.move(*CHECK1)
        lit = shot_when("hover_check1", lambda s: count(check1_text(s), WHITE) > 20)
        self.assertEqual(count(check1_text(lit), GREEN), 0)
        # The frame at 100, 52, 121, 29: its outline on the four edges, nothing just outside.
        for x, y in ((100, 52), (220, 52), (100, 66), (220, 66), (160, 52), (100, 80), (220, 80)):
            self.assertEqual(px(lit, x, y), BLUE, (x, y))
        for x, y in ((99, 66), (221, 66), (160, 51), (101, 53)):
            self.assertEqual(px(lit, x, y), (0, 0, 0), (x, y))

        d.move(*BACKGROUND)
        back = shot_when("hover_back", lambda s: count(check1_text(s), GREEN) > 20)
        self.assertEqual(count(check1_text(back), WHITE), 0)
        self.assertEqual(count(d.region(back, 0, 0, CONFIG_W, CONFIG_H), BLUE), 0)

        # The maker line: the frame starts 2 pixels out and ends on the label's own edges.
        d.move(*LABEL["maker"])
        maker = shot_when("hover_maker", lambda s: px(s, 196, 32) == BLUE)
        for x, y in ((342, 32), (196, 48), (342, 48), (270, 48)):
            self.assertEqual(px(maker, x, y), BLUE, (x, y))
        self.assertEqual(px(maker, 343, 40), (0, 0, 0))
        self.assertGreater(count(d.region(maker, 198, 34, 145, 14), WHITE), 20)
        self.assertEqual(count(d.region(maker, 198, 34, 145, 14), GREY), 0)

        # Straight on to "Exit" with no move over the background between: two white texts and
        # one frame, around the later one; the title lines change nothing.
        d.move(*LABEL["exit"])
        both = shot_when("hover_two", lambda s: px(s, 273, 244) == BLUE)
        self.assertEqual(px(both, 196, 32), (0, 0, 0))
        self.assertGreater(count(d.region(both, 198, 34, 145, 14), WHITE), 20)
        self.assertEqual(count(d.region(both, 275, 246, 35, 15), YELLOW), 0)
        d.move(200, 12)  # the title
        time.sleep(0.5)
        title = self.s.screenshot("hover_title")
        self.assertEqual(px(title, 273, 244), BLUE)
        d.move(*BACKGROUND)
        shot_when("hover_restored", lambda s: count(d.region(s, 275, 246, 35, 15), YELLOW) > 20)
        self.proc.kill()


if __name__ == "__main__":
    unittest.main()
