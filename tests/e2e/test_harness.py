"""The harness itself: what it reports of the screen must hold while other windows come and go,
as the saver's prompts and messages do."""

import subprocess
import threading
import unittest
from concurrent.futures import ThreadPoolExecutor

from harness import SaverTest


class WindowSearch(SaverTest):
    def test_a_window_that_is_there_is_found_while_others_close(self):
        steady = subprocess.Popen(["xmessage", "-title", "steady", "here"], env=self.s.env,
                                  stderr=subprocess.DEVNULL)
        self.s.procs.append(steady)
        self.s.wait_window("^steady$", 20)
        stop = threading.Event()

        def churn():
            # Short-lived windows, as fast as they can be opened and closed.
            while not stop.is_set():
                subprocess.run(["xmessage", "-timeout", "1", "brief"], env=self.s.env,
                               stderr=subprocess.DEVNULL, timeout=10, check=False)

        threads = [threading.Thread(target=churn) for _ in range(20)]
        for t in threads:
            t.start()
        try:
            missed = sum(1 for _ in range(100) if not self.s.find_windows("^steady$"))
        finally:
            stop.set()
            for t in threads:
                t.join()
        self.assertEqual(missed, 0)


class DisplayConnections(SaverTest):
    def test_every_program_that_opens_the_display_is_taken(self):
        # Short-lived clients come and go all the time (window searches, screenshots, Wine's own
        # processes): one that connects as the last other one leaves must still be served.
        def refusals(_):
            return sum(subprocess.run(["xdpyinfo"], env=self.s.env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL, timeout=30).returncode != 0
                       for _ in range(300))

        with ThreadPoolExecutor(4) as pool:
            refused = sum(pool.map(refusals, range(4)))
        self.assertEqual(refused, 0)


if __name__ == "__main__":
    unittest.main()
