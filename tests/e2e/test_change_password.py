"""The change-password dialog ("/a"): what it stores, and what it refuses."""

import re
import unittest

from harness import SaverTest, scrambled, wait_until

TITLE = "^Change  Password$"


class ChangePassword(SaverTest):
    def setUp(self):
        super().setUp()
        self.s.install()
        self.proc = self.s.start_saver("/a", "730")
        self.wid = self.s.wait_window(TITLE, 40)
        x, y, w, h = self.s.window_geometry(self.wid)
        # The client area is 5265 x 1545 twips (351 x 103 pixels); the rest is frame and caption.
        border = (w - 351) // 2
        self.cx, self.cy = x + border, y + h - border - 103

    def click_client(self, x_twips, y_twips):
        self.s.click(self.cx + x_twips // 15, self.cy + y_twips // 15)

    def click_ok(self):
        self.click_client(4050 + 1095 // 2, 180 + 330 // 2)

    def click_cancel(self):
        self.click_client(4050 + 1095 // 2, 585 + 330 // 2)

    def enter(self, first, second):
        # The first box has the focus when the dialog opens; Tab goes to the second.
        self.s.type_text(first)
        self.s.key("Tab")
        self.s.type_text(second)

    def test_same_password_twice_is_stored_scrambled(self):
        self.enter("hello", "HELLO")
        self.s.screenshot("typed")
        self.click_ok()
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.s.get_setting("misc"), scrambled("HELLO"))

    def test_shifted_characters_count_as_their_keys(self):
        # "!" is typed with Shift and the key of "1": both entries normalise to "A1".
        self.enter("a!", "A1")
        self.click_ok()
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.s.get_setting("misc"), scrambled("A1"))

    def test_different_entries_give_the_mismatch_message_and_store_nothing(self):
        self.enter("secret", "secrex")
        self.click_ok()
        self.s.wait_window("^Microsoft Windows$", 20)
        self.s.screenshot("mismatch")
        self.s.key("Return")
        self.s.wait_no_window("^Microsoft Windows$", 10)
        # The dialog stays open and nothing was written.
        self.assertTrue(self.s.still_running_after(self.proc, 0.5))
        self.assertIsNone(self.s.get_setting("misc"))
        self.click_cancel()
        self.s.wait_exit(self.proc, 20)
        self.assertIsNone(self.s.get_setting("misc"))

    def test_thirty_one_characters_are_too_long(self):
        text = "abcdefghij" * 3 + "k"
        self.enter(text, text)
        self.click_ok()
        self.s.wait_window("^Change Password$", 20)
        self.s.screenshot("too_long")
        self.s.key("Return")
        self.s.wait_no_window("^Change Password$", 10)
        self.assertTrue(self.s.still_running_after(self.proc, 0.5))
        self.assertIsNone(self.s.get_setting("misc"))
        self.click_cancel()
        self.s.wait_exit(self.proc, 20)

    def test_cancel_keeps_the_stored_password(self):
        before = scrambled("OLD")
        self.s.set_setting("misc", before)
        self.enter("new", "new")
        self.click_cancel()
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.s.get_setting("misc"), before)

    def test_enter_and_escape_do_nothing(self):
        self.enter("abc", "abc")
        self.s.key("Return")
        self.s.key("Escape")
        self.assertTrue(self.s.still_running_after(self.proc, 1.0))
        self.assertIsNone(self.s.get_setting("misc"))
        self.click_ok()
        self.s.wait_exit(self.proc, 20)
        self.assertEqual(self.s.get_setting("misc"), scrambled("ABC"))

    def test_the_boxes_have_no_length_limit(self):
        limits = self.s.probe_window("Change  Password")["edit"]
        self.assertEqual(len(limits), 2)
        self.assertGreater(min(limits), 30000)
        self.click_cancel()
        self.s.wait_exit(self.proc, 20)


class InputMethod(SaverTest):
    def test_both_boxes_take_keys_without_an_input_method(self):
        self.s.install()
        proc = self.s.start_saver("/a", trace="imm")
        self.s.wait_window(TITLE, 40)

        def detached():
            with open(proc.trace_log, "rb") as f:
                lines = f.read().decode("latin-1").splitlines()
            # Each box is given no input context: ImmAssociateContext(box, NULL).
            return len([l for l in lines if re.search(r"ImmAssociateContext \(\w+, 0+\)", l)])
        wait_until(lambda: detached() == 2, 10, what="two boxes without an input method")
        # Tab from the first box past the second and OK to Cancel, and press it.
        self.s.key("Tab", "Tab", "Tab", "space")
        self.s.wait_exit(proc, 20)


if __name__ == "__main__":
    unittest.main()
