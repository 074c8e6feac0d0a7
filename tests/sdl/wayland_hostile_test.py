"""The demo in hostile surroundings under headless sway: a compositor that
dies, a chooser left open while the demo is ended by a signal, and the
chooser's keys. Each case checks the exit code, what the demo says and how
long it takes.

The programs come from the environment: DEMO, PRESENT_PATTERN and
WAYLAND_KEYS (the chooser's keys)."""

import os
import re
import signal
import subprocess
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


class ChooserKeysTest(WaylandTestCase):
    """Escape closes the chooser and chooses nothing; Return chooses zoom 1.
    These keys come from a keyboard with a whole layout, as a user's has: the
    chooser's toolkit does not see them from wtype's keyboards, whose layout
    holds only the keys they type."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.keyboard = cls.session.install(os.environ["WAYLAND_KEYS"])

    def press(self, name):
        result = self.session.run(self.keyboard, name)
        self.assertEqual(result.returncode, 0, result.stderr)

    def answer_chooser(self, key):
        self.session.keys("-M", "alt", "-k", "space", "-m", "alt")
        chooser = wait_until(lambda: self.session.find_view("Zoom"), 10)
        self.assertTrue(chooser, "no chooser")
        self.press(key)
        self.assertTrue(wait_until(lambda: not alive(chooser["pid"]), 2), f"{key} leaves the chooser open")
        self.assertTrue(wait_until(lambda: not self.session.find_view("Zoom"), 2), "the chooser stays")

    def test_escape_closes_the_chooser_and_return_chooses_zoom_1(self):
        # Zoomed by the demo itself: sway 1.7 still holds the first size,
        # and repeats it as the focus comes back from the chooser.
        program = self.start_pattern()
        self.session.keys("-k", "2")
        self.wait_for_client_size(480)

        self.answer_chooser("Escape")
        time.sleep(0.5)
        self.assertEqual(self.client_area()[2:], (480, 480))
        self.assert_shows_pattern(2)

        self.answer_chooser("Return")
        self.wait_for_client_size(240)
        time.sleep(0.5)
        self.assertEqual(self.client_area()[2:], (240, 240))
        self.assert_ends_within_a_second(program, self.close_window)

    def test_a_zoom_outlasts_a_change_of_focus(self):
        program = self.start_pattern()
        self.session.keys("-k", "2")
        self.wait_for_client_size(480)
        self.session.start(["zenity", "--info", "--title", "Other", "--text", "Other"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertTrue(wait_until(lambda: self.session.find_view("Other"), 10), "no other window")
        self.close_window("Other")
        self.assertTrue(wait_until(lambda: not self.session.find_view("Other"), 5), "the other window stays")
        time.sleep(0.5)
        self.assertEqual(self.client_area()[2:], (480, 480))
        self.assert_ends_within_a_second(program, self.close_window)

if __name__ == "__main__":
    unittest.main()
