"""The window surface of SDL's X11 driver, which shows the frames where the
server shares no memory with the demo (a remote X server): a server started
without its shared-memory extension stands in for one.

The program comes from the environment: PRESENT_PATTERN (build/bin/present-pattern)."""

import unittest

from window_test import WindowTestCase


class NoSharedMemoryTest(WindowTestCase):
    session_options = {"server_options": ["-extension", "MIT-SHM"]}

    def test_shows_the_frame_exactly_at_both_sizes(self):
        program, window = self.start_pattern()
        self.assert_shows_pattern(window, 1)
        self.session.activate(window)
        self.session.keys("2")
        self.assert_zoomed(window, 2)
        self.assert_shows_pattern(window, 2)
        self.quit(program, window)


if __name__ == "__main__":
    unittest.main()
