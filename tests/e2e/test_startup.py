"""The start-up as Windows uses it: the missing-folder message in every mode, switches that
match no mode, and a second saver while one runs."""

import unittest

from harness import SaverTest, wait_until

MISSING_TITLE = "^Tarvo Screen Saver$"


class MissingInstallFolder(SaverTest):
    def check_message_then_end(self, *args):
        p = self.s.start_saver(*args)
        self.s.wait_window(MISSING_TITLE, 40)
        shot = self.s.screenshot("message_" + "_".join(a.strip("/-") for a in args))
        # The box stays until it is dismissed.
        self.assertTrue(self.s.still_running_after(p, 1.0))
        self.s.key("Return")
        self.s.wait_exit(p, 20)
        self.s.wait_no_window(MISSING_TITLE, 10)
        return shot

    def test_every_mode_shows_the_message_and_ends(self):
        for args in (["/s"], ["/c"], ["/a"], ["/x"]):
            with self.subTest(args=args):
                self.check_message_then_end(*args)
        # No setting was written on the way.
        self.assertIsNone(self.s.get_setting("misc"))
        self.assertIsNone(self.s.get_setting("speed"))

    def test_only_the_exact_word_empty_counts_as_missing(self):
        self.s.set_setting("install_path", "empty")
        self.check_message_then_end("/a")
        # Another letter case is taken as a folder name: the dialog opens.
        self.s.set_setting("install_path", "Empty")
        p = self.s.start_saver("/a")
        self.s.wait_window("^Change  Password$", 40)
        self.assertFalse(self.s.find_windows(MISSING_TITLE))
        p.kill()


class Switches(SaverTest):
    def setUp(self):
        super().setUp()
        self.s.install()

    def test_switches_that_match_no_mode_end_at_once(self):
        for args in (["/x"], ["-s"], ["x"]):
            with self.subTest(args=args):
                p = self.s.start_saver(*args)
                self.assertEqual(self.s.wait_exit(p, 30), 0)
        self.assertFalse(self.s.find_windows(".+"))

    def test_second_saver_opens_nothing_while_one_runs(self):
        host, _ = self.s.start_host_window("screen saver running")
        self.s.wait_window("^screen saver running$", 30)
        p = self.s.start_saver("/s")
        self.assertEqual(self.s.wait_exit(p, 30), 0)
        self.assertEqual(len(self.s.find_windows("^screen saver running$")), 1)
        self.assertTrue(host.poll() is None)


if __name__ == "__main__":
    unittest.main()
