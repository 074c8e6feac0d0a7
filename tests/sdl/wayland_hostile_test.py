"""The demo in hostile surroundings under headless sway: a compositor that
dies, and a chooser left open while the demo is ended by a signal. Each case
checks the exit code, what the demo says and how long it takes.

The programs come from the environment: DEMO and PRESENT_PATTERN."""

import os
import re
import signal
import time
import unittest

from hostile_test import alive, live_children
from wayland_test import WaylandTestCase
from window_test import BANNER, START_LINE, TITLE
from xsession import wait_until

LOST_COMPOSITOR = re.compile(r"^demo: lost the connection to the display: the Wayland compositor has gone \(.+\)$")


class LostCompositorTest(WaylandTestCase):
    def test_a_killed_compositor_ends_the_demo_with_its_own_line(self):
        demo, _ = self.start_demo()
        # Run as root, the session starts sway under runuser.
        compositor = self.session.compositor.pid
        sway = (live_children(compositor) or [compositor])[0]
        os.kill(sway, signal.SIGKILL)
        killed = time.monotonic()
        self.assertEqual(demo.wait(5), 1, demo.stderr())
        self.assertLess(time.monotonic() - killed, 1.0)
        self.assertEqual(len(demo.stderr()), 1, demo.stderr())
        self.assertRegex(demo.stderr()[0], LOST_COMPOSITOR)
        self.assertEqual(demo.stdout(), BANNER + [START_LINE])


class ChooserSignalTest(WaylandTestCase):
    def test_the_chooser_ends_with_the_program_on_each_signal(self):
        for sent in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            with self.subTest(signal=sent.name):
                program = self.start_pattern()
                self.session.keys("-M", "alt", "-k", "space", "-m", "alt")
                chooser = wait_until(lambda: self.session.find_view("Zoom"), 10)
                self.assertTrue(chooser, "no chooser")
                os.kill(self.session.find_view(TITLE)["pid"], sent)
                signalled = time.monotonic()
                self.assertIsNotNone(program.wait(5), "the program runs on")
                self.assertTrue(wait_until(lambda: not alive(chooser["pid"]), 2), "the chooser outlives the program")
                self.assertTrue(wait_until(lambda: not self.session.find_view("Zoom"), 2), "the chooser stays")
                self.assertLess(time.monotonic() - signalled, 1.0)


if __name__ == "__main__":
    unittest.main()
