"""A saver run ("/s") as a user meets it: the picture, the end by a click or a key, the password
prompt, the player's game with its name prompt, and a close request from outside."""

import time
import unittest

from harness import SaverTest, DESKTOP_KEY, scrambled, send_until, wait_until

SAVER = "^screen saver running$"
PROMPT = "^Screen Saver Password$"
NAME_PROMPT = "^Congradulations! Your score is in the top 10!$"
MESSAGE = "^Passwords$"


def is_black(rgb):
    return rgb == (0, 0, 0)


def take_keyboard_to_saver(session, before, area):
    """Another program makes the saver the foreground window, as a task switch does; the saver
    then covers what was in front of it (the area of the screenshot before)."""
    assert session.probe_window("screen saver running", foreground=True).get("foreground") == 1
    wait_until(lambda: session.crop_differs(before, session.screenshot("saver_in_front"), *area)
               > 0 and (session.probe_window("screen saver running") or {}).get("active"), 20,
               what="the saver in front")


class SaverRun(SaverTest):
    def setUp(self):
        super().setUp()
        self.s.install()

    def field(self):
        return self.width // 2 - 320, self.height // 2 - 240

    def start(self):
        p = self.s.start_saver("/s")
        self.s.wait_window(SAVER, 60)
        # The first frames: the backdrop and the field are drawn once the set-up has run. The
        # window is black before that, so black in the field alone proves nothing.
        fx, fy = self.field()
        corners = ((2, 2), (self.width - 3, self.height - 3))

        def drawn():
            shot = self.s.screenshot("start")
            return is_black(self.s.pixel(shot, fx + 5, fy + 470)) and not any(
                is_black(self.s.pixel(shot, x, y)) for x, y in corners)
        wait_until(drawn, 60, what="the field on the screen")
        return p

    def check_field_place(self, shot):
        fx, fy = self.field()
        px = self.s.pixel
        # Inside the field's empty bottom rows and top row: the black of empty cells; just
        # outside it: the backdrop.
        for x, y in ((fx + 4, fy + 470), (fx + 635, fy + 470), (fx + 4, fy + 2), (fx + 635, fy + 2)):
            self.assertTrue(is_black(px(shot, x, y)), (x, y, px(shot, x, y)))
        for x, y in ((fx - 4, fy + 470), (fx + 644, fy + 470), (fx + 320, fy - 4),
                     (fx + 40, fy + 484)):
            if 0 <= x < self.width and 0 <= y < self.height:
                self.assertFalse(is_black(px(shot, x, y)), (x, y))

    def test_demonstration_fills_the_screen_moves_and_ends_on_a_click(self):
        p = self.start()
        a = self.s.screenshot("demo_1")
        self.check_field_place(a)
        # The backdrop covers the whole screen, corners included.
        for x, y in ((2, 2), (self.width - 3, self.height - 3)):
            self.assertFalse(is_black(self.s.pixel(a, x, y)))
        fx, fy = self.field()
        time.sleep(1.5)
        b = self.s.screenshot("demo_2")
        self.assertGreater(self.s.crop_differs(a, b, fx, fy, 640, 480), 50)
        self.s.end_run_with(p, lambda: self.s.click(fx + 600, fy + 400))

    def test_a_key_with_a_character_ends_the_run_and_shift_does_not(self):
        p = self.start()
        self.s.key("shift")
        self.s.key("Left")
        self.assertTrue(self.s.still_running_after(p, 1.5))
        self.s.end_run_with(p, lambda: self.s.key("a"))

    def test_password_prompt_over_the_game(self):
        self.s.reg_set(DESKTOP_KEY, "ScreenSaveUsePassword", "1")
        self.s.set_setting("misc", scrambled("SECRET"))
        p = self.start()
        fx, fy = self.field()
        self.s.window_after(lambda: self.s.click(fx + 600, fy + 400), PROMPT)
        self.s.screenshot("prompt")
        # Wrong password: the message, and the prompt stays.
        self.refused("wrong")
        self.s.screenshot("wrong_password")
        self.dismiss_message()
        self.assertTrue(self.s.find_windows(PROMPT))
        # Cancel: the saver goes on; a second click brings the prompt back.
        wid = self.s.find_windows(PROMPT)[0]
        x, y, w, h = self.s.window_geometry(wid)
        border = (w - 256) // 2
        cx, cy = x + border, y + h - border - 75
        self.s.click(cx + (2790 + 915 // 2) // 15, cy + (630 + 330 // 2) // 15)
        self.s.wait_no_window(PROMPT, 20)
        self.assertTrue(self.s.still_running_after(p, 1.0))
        self.s.window_after(lambda: self.s.click(fx + 600, fy + 400), PROMPT)
        # The right password, typed in lower case, ends the run.
        self.enter_password("secret")
        self.s.wait_exit(p, 30)

    def test_the_saver_is_topmost_seen_from_another_program(self):
        self.start()
        topmost = lambda: (self.s.probe_window("screen saver running") or {}).get("exstyle", 0) & 8
        wait_until(topmost, 20, what="WS_EX_TOPMOST on the saver")
        self.s.screenshot("topmost")

    def start_with_password(self, stored):
        self.s.reg_set(DESKTOP_KEY, "ScreenSaveUsePassword", "1")
        self.s.set_setting("misc", scrambled(stored))
        p = self.start()
        fx, fy = self.field()
        return p, self.s.window_after(lambda: self.s.click(fx + 600, fy + 400), PROMPT)

    def enter_password(self, text):
        # Typed once the prompt has the keyboard, not the saver beneath. Backspace leaves the empty
        # box as it is, and on the saver it brings the prompt forward with the keyboard.
        self.s.keyboard_to("Screen Saver Password", lambda: self.s.key("BackSpace"))
        self.s.type_text(text)
        self.s.key("Return")

    def refused(self, text):
        """A wrong password typed into the prompt: returns the message that comes."""
        self.enter_password(text)
        return self.s.wait_window(MESSAGE, 20)

    def dismiss_message(self):
        # A letter does nothing in the message, and on the saver it brings the message forward.
        self.s.keyboard_to("Passwords", lambda: self.s.key("a"))
        self.s.key("Return")
        self.s.wait_no_window(MESSAGE, 20)

    def test_a_second_click_on_the_saver_brings_the_prompt_back_in_front(self):
        p, wid = self.start_with_password("SECRET")
        x, y, w, h = self.s.window_geometry(wid)
        # The prompt's box takes text of any length.
        self.assertGreater(min(self.s.probe_window("Screen Saver Password")["edit"]), 30000)
        # Its label, which nothing but the saver's picture over it could change.
        border = (w - 256) // 2
        label = (x + border + 12, y + h - border - 75 + 12, 150, 16)
        before = self.s.settled_screenshot("prompt_first", *label)
        fx, fy = self.field()
        self.s.click(fx + 40, fy + 40)
        wait_until(lambda: self.s.crop_differs(before, self.s.screenshot("prompt_second_click"),
                                               *label) == 0, 10, what="the prompt in front")
        self.enter_password("secret")
        self.s.wait_exit(p, 30)

    def test_a_click_on_the_saver_brings_the_wrong_password_message_back_in_front(self):
        p, _ = self.start_with_password("SECRET")
        x, y, w, h = self.s.window_geometry(self.refused("wrong"))
        # The message's text and icon, below its title bar and above its button.
        text = (x + 8, y + h // 4, w - 16, h // 3)
        before = self.s.settled_screenshot("message_first", *text)
        for _ in range(3):
            self.s.click(100, 100)
            wait_until(lambda: self.s.crop_differs(before, self.s.screenshot("message_after_click"),
                                                   *text) == 0, 10, what="the message in front")
            # The message just above the prompt, the prompt above the saver.
            self.assertEqual(self.s.probe_window("Screen Saver Password")["above"], ["Passwords"])
        self.dismiss_message()
        self.enter_password("secret")
        self.s.wait_exit(p, 30)

    def test_a_key_on_the_saver_brings_the_wrong_password_message_back_in_front(self):
        p, _ = self.start_with_password("SECRET")
        x, y, w, h = self.s.window_geometry(self.refused("wrong"))
        text = (x + 8, y + h // 4, w - 16, h // 3)
        before = self.s.settled_screenshot("message_first", *text)
        take_keyboard_to_saver(self.s, before, text)
        # A typed letter does nothing in the message, so sending it again is harmless.
        send_until(lambda: self.s.key("a"),
                   lambda: self.s.crop_differs(before, self.s.screenshot("message_after_key"),
                                               *text) == 0, "the message in front")
        # The message just above the prompt, the prompt above the saver.
        self.assertEqual(self.s.probe_window("Screen Saver Password")["above"], ["Passwords"])
        self.dismiss_message()
        self.enter_password("secret")
        self.s.wait_exit(p, 30)

    def test_a_key_on_the_saver_brings_the_prompt_back_with_the_keyboard_in_its_box(self):
        p, wid = self.start_with_password("SECRET")
        x, y, w, h = self.s.window_geometry(wid)
        border = (w - 256) // 2
        label = (x + border + 12, y + h - border - 75 + 12, 150, 16)
        before = self.s.settled_screenshot("prompt_first", *label)
        take_keyboard_to_saver(self.s, before, label)
        # Backspace is a key with a character that leaves the empty box as it is.
        send_until(lambda: self.s.key("BackSpace"),
                   lambda: self.s.crop_differs(before, self.s.screenshot("prompt_after_key"),
                                               *label) == 0, "the prompt in front")
        self.enter_password("secret")
        self.s.wait_exit(p, 30)

    def test_a_stored_shifted_character_is_typed_as_it_is_not_as_its_key(self):
        p, _ = self.start_with_password("A#")
        self.refused("a3")
        self.dismiss_message()
        self.enter_password("a#")
        self.s.wait_exit(p, 30)

    def test_close_request_from_outside_ends_the_run(self):
        p = self.start()
        self.s.run(["wine", "taskkill", "/im", "glimbrook.scr"], check=False)
        self.s.wait_exit(p, 30)


class SmallScreen(SaverRun):
    width, height = 800, 600

    def test_field_sits_in_the_middle(self):
        self.start()
        self.check_field_place(self.s.screenshot("field_800x600"))


class PlayersGame(SaverTest):
    def setUp(self):
        super().setUp()
        self.s.install()
        for k in range(1, 11):
            self.s.set_setting(f"sc{k}", "0")
            self.s.set_setting(f"name{k}", f"Elf{k}")

    fx, fy = 192, 144

    def take_over(self):
        """Starts a run and hands the paddle to the user; returns the process."""
        p = self.s.start_saver("/s")
        self.s.wait_window(SAVER, 60)
        fx, fy = self.fx, self.fy
        time.sleep(1.0)
        # Seven mouse movements within one 80-frame window hand the paddle to the user. The
        # windows are fixed, so a burst of seven may straddle two of them; then the next burst
        # completes the count.
        digits = lambda shot: sum(
            1 for x in range(fx + 2, fx + 78, 3) if not is_black(self.s.pixel(shot, x, fy + 7)))
        for burst in range(3):
            for i in range(7):
                self.s.move_mouse(fx + 300 + 3 * i, fy + 300)
            # Keep the paddle under the falling ball for a while, so that it scores, then move
            # away so that the balls are lost. The ball drops from the field's middle (field x
            # 313 to 326); the paddle's left edge follows the cursor's screen x as it is, so a
            # cursor at x 276 puts the paddle's middle under the ball whatever the screen size.
            self.s.move_mouse(276, fy + 300)
            try:
                wait_until(lambda: digits(self.s.screenshot("player_digits")) > 0, 3,
                           what="the score digits")
                break
            except AssertionError:
                if burst == 2:
                    raise
        return p

    def test_seven_moves_take_over_and_a_new_score_asks_for_a_name(self):
        p = self.take_over()
        fx, fy = self.fx, self.fy
        # The score of a first brick changes the digits.
        zero = self.s.screenshot("player_zero")
        wait_until(lambda: self.s.crop_differs(zero, self.s.screenshot("player_playing"),
                                               fx, fy, 80, 14) > 0, 60, what="a first score")
        self.s.move_mouse(0, fy + 300)
        self.s.wait_window(NAME_PROMPT, 150)
        self.s.screenshot("name_prompt")
        self.s.type_text("Rudolph")
        self.s.key("Return")
        self.s.wait_no_window(NAME_PROMPT, 20)
        names = [self.s.get_setting(f"name{k}") for k in range(1, 11)]
        self.assertIn("Rudolph", names)
        place = names.index("Rudolph") + 1
        self.assertGreater(int(self.s.get_setting(f"sc{place}")), 0)
        self.s.screenshot("after_name")
        self.assertTrue(p.poll() is None)
        # The saver has the keyboard again once the prompt is gone: a key ends the run.
        self.s.end_run_with(p, lambda: self.s.key("a"))

    def test_a_key_or_click_on_the_saver_under_the_name_prompt_brings_the_prompt_back(self):
        # With the password option on, a key or a click that the saver counted would bring up the
        # password prompt as soon as the name prompt closes. Any score beats -1.
        self.s.reg_set(DESKTOP_KEY, "ScreenSaveUsePassword", "1")
        self.s.set_setting("misc", scrambled("SECRET"))
        for k in range(1, 11):
            self.s.set_setting(f"sc{k}", "-1")
        p = self.take_over()
        self.s.move_mouse(0, self.fy + 300)
        x, y, w, h = self.s.window_geometry(self.s.wait_window(NAME_PROMPT, 150))
        # Its label "Please enter your name:", in a client area of 315 x 61 pixels.
        border = (w - 315) // 2
        label = (x + border + 8, y + h - border - 61 + 8, 120, 14)
        before = self.s.settled_screenshot("name_prompt_first", *label)
        prompt_active = lambda: (self.s.probe_window(NAME_PROMPT[1:-1]) or {}).get("active")
        for n, send in enumerate((lambda: self.s.key("x"), lambda: self.s.click(100, 100))):
            take_keyboard_to_saver(self.s, before, label)
            # Sent once: a key that reached the prompt's box would be typed there.
            send()
            shot = f"name_prompt_back_{n}"
            wait_until(lambda: self.s.crop_differs(before, self.s.screenshot(shot), *label) == 0
                       and prompt_active(), 20, what="the name prompt in front")
        self.s.type_text("Rudolph")
        self.s.key("Return")
        self.s.wait_no_window(NAME_PROMPT, 20)
        self.assertIn("Rudolph", [self.s.get_setting(f"name{k}") for k in range(1, 11)])
        # Neither the key nor the click counted: no password prompt, and the game goes on.
        self.assertTrue(self.s.still_running_after(p, 1.5))
        self.assertFalse(self.s.find_windows(PROMPT))
        self.s.window_after(lambda: self.s.click(100, 100), PROMPT)


if __name__ == "__main__":
    unittest.main()
