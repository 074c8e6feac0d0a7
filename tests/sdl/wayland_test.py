"""The demo and the pattern presenter in real windows of a Wayland
compositor (headless sway) with no X server, and the choice of SDL's video
driver when X11, Wayland or neither is there.

The programs come from the environment: DEMO (build/bin/demo) and
PRESENT_PATTERN (build/bin/present-pattern)."""

import os
import subprocess
import tempfile
import time
import unittest

from waylandsession import WaylandSession
from window_test import BANNER, FAILURE_PREFIX, START_LINE, TITLE, Program, assert_started, make_datas, pattern
from xsession import XSession, wait_until


class WaylandTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = WaylandSession().__enter__()
        make_datas(cls.session.work)
        cls.programs = {variable: cls.session.install(os.environ[variable]) for variable in ("DEMO", "PRESENT_PATTERN")}

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__(None, None, None)

    def start(self, variable):
        program = Program(self.session, self.programs[variable], self.session.work)
        self.addCleanup(program.close)
        return program

    def view(self, program):
        """The program's window in the compositor's tree, once it is there."""
        view = wait_until(lambda: self.session.find_view(TITLE), 20)
        self.assertTrue(view, f"no window titled {TITLE!r}: {program.stderr()}")
        return view

    def start_demo(self):
        demo = self.start("DEMO")
        assert_started(self, demo, self.session)
        self.assertTrue(demo.running(), demo.stderr())
        return demo, self.view(demo)

    def start_pattern(self):
        program = self.start("PRESENT_PATTERN")
        self.view(program)
        self.wait_for_client_size(240)
        return program

    def client_area(self):
        view = self.session.find_view(TITLE)
        self.assertTrue(view, "the window is gone")
        return self.session.client_area(view)

    def wait_for_client_size(self, size):
        wait_until(lambda: self.client_area()[2:] == (size, size), 5)
        self.assertEqual(self.client_area()[2:], (size, size))

    def screenshot(self):
        return self.session.screenshot(*self.client_area())

    def assert_shows_pattern(self, factor):
        """Every client pixel is the pattern's, stretched by factor; the first
        frames may still be on their way."""
        def mismatches():
            shot = self.screenshot()
            self.assertEqual((shot.width, shot.height), (240 * factor, 240 * factor))
            return [(x, y) for y in range(shot.height) for x in range(shot.width)
                    if shot.rows[y][x] != self.pattern_colour(x // factor, y // factor)]
        wait_until(lambda: not mismatches(), 3, step=0.2)
        found = mismatches()
        self.assertEqual(found[:5], [], f"{len(found)} pixels differ")

    @staticmethod
    def pattern_colour(x, y):
        pixel = pattern(x, y)
        return ((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF)

    def assert_ends_within_a_second(self, program, action):
        """action ends the program at once, with exit code 0 and not a word."""
        action()
        acted = time.monotonic()
        self.assertEqual(program.wait(5), 0, program.stderr())
        self.assertLess(time.monotonic() - acted, 1.0)
        self.assertEqual(program.stderr(), [])

    def close_window(self, title=TITLE):
        self.session.run("swaymsg", f'[title="^{title}$"] kill')


class DemoTest(WaylandTestCase):
    def test_prints_draws_inhibits_the_screen_saver_ignores_keys_and_quits_on_escape(self):
        demo, view = self.start_demo()
        self.assertEqual(demo.stdout(), BANNER + [START_LINE])
        self.assertEqual(self.session.client_area(view)[2:], (240, 240))
        self.assertTrue(view["inhibit_idle"], view.get("idle_inhibitors"))

        first = self.screenshot()
        self.assertGreater(len(first.colours()), 100)
        self.assertTrue(wait_until(lambda: self.screenshot().rows != first.rows, 3, step=0.1),
                        "the frame does not change")

        self.session.keys("-k", "a", "-k", "space", "-k", "Return", "-k", "3", "-k", "F1")
        time.sleep(0.5)
        self.assertTrue(demo.running(), demo.stderr())
        self.assertEqual(self.client_area()[2:], (240, 240))

        self.assert_ends_within_a_second(demo, lambda: self.session.keys("-k", "Escape"))
        self.assertEqual(demo.stdout(), BANNER + [START_LINE])

    def test_closing_the_window_ends_the_demo(self):
        demo, _ = self.start_demo()
        self.assert_ends_within_a_second(demo, self.close_window)


class PatternTest(WaylandTestCase):
    def test_shows_the_frame_exactly_and_zooms_to_exact_multiples(self):
        program = self.start_pattern()
        self.assert_shows_pattern(1)

        self.session.keys("-k", "2")
        self.wait_for_client_size(480)
        self.assert_shows_pattern(2)
        # 960 pixels are more than the output's height: the size only.
        self.session.keys("-k", "4")
        self.wait_for_client_size(960)
        self.session.keys("-k", "1")
        self.wait_for_client_size(240)
        self.assert_shows_pattern(1)

        # Alt+Space opens the chooser; closing it chooses nothing.
        self.session.keys("-M", "alt", "-k", "space", "-m", "alt")
        self.assertTrue(wait_until(lambda: self.session.find_view("Zoom"), 10), "no chooser")
        self.close_window("Zoom")
        self.assertTrue(wait_until(lambda: not self.session.find_view("Zoom"), 5), "the chooser stays")
        self.assertEqual(self.client_area()[2:], (240, 240))
        self.assertTrue(program.running(), program.stderr())

        self.assert_ends_within_a_second(program, self.close_window)


class FullScreenTest(WaylandTestCase):
    def test_f11_makes_the_window_full_screen_at_the_whole_factor_and_back(self):
        program = self.start_pattern()
        self.session.keys("-k", "F11")
        self.assertTrue(wait_until(lambda: self.session.find_view(TITLE)["fullscreen_mode"] == 1, 5),
                        "sway does not show the window full screen")
        self.assertTrue(wait_until(lambda: self.client_area() == (0, 0, 1280, 720), 5), self.client_area())
        # 720 lines: factor 3, the frame at (280, 0).
        def mismatches():
            shot = self.session.screenshot(0, 0, 1280, 720)
            return [(x, y) for y in range(720) for x in range(1280)
                    if shot.rows[y][x] != (self.pattern_colour((x - 280) // 3, y // 3) if 280 <= x < 1000
                                           else (0, 0, 0))]
        wait_until(lambda: not mismatches(), 3, step=0.2)
        found = mismatches()
        self.assertEqual(found[:5], [], f"{len(found)} pixels differ")

        self.session.keys("-k", "F11")
        self.assertTrue(wait_until(lambda: self.session.find_view(TITLE)["fullscreen_mode"] == 0, 5))
        self.wait_for_client_size(240)
        self.assert_shows_pattern(1)
        self.assert_ends_within_a_second(program, lambda: self.session.keys("-k", "Escape"))


class PacedTest(WaylandTestCase):
    """Paced to the compositor's frame callbacks, the demo draws while shown,
    and ends at once on Escape and on closing."""

    def start_paced(self):
        demo, _ = self.start_demo()
        self.session.keys("-k", "v")
        first = self.screenshot()
        self.assertTrue(wait_until(lambda: self.screenshot().rows != first.rows, 3, step=0.1),
                        "the paced frame does not change")
        return demo

    def test_escape_ends_the_paced_demo(self):
        demo = self.start_paced()
        self.assert_ends_within_a_second(demo, lambda: self.session.keys("-k", "Escape"))

    def test_closing_ends_the_paced_demo_even_while_hidden(self):
        demo = self.start_paced()
        # On another workspace the window is not shown, and the compositor
        # sends no frame callbacks: the demo waits for them, and still ends.
        self.session.run("swaymsg", f'[title="^{TITLE}$"] move to workspace 2')
        time.sleep(0.5)
        # Drawing nothing, it takes next to no processor time, where drawing
        # frames as fast as it could would take a good share of a core.
        before = self.processor_seconds(demo)
        time.sleep(1)
        self.assertLess(self.processor_seconds(demo) - before, 0.1)
        self.assert_ends_within_a_second(demo, self.close_window)

    def processor_seconds(self, program):
        """User and system time of the program and what runs it, in seconds."""
        total = 0
        for pid in self.session.process_ids(program.process):
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        return total / os.sysconf("SC_CLK_TCK")


class DriverChoiceTest(unittest.TestCase):
    def test_with_both_displays_the_window_opens_on_sdls_default(self):
        with WaylandSession() as wayland, XSession(window_manager=False) as x:
            env = dict(wayland.env, DISPLAY=x.env["DISPLAY"])
            program = wayland.start([wayland.install(os.environ["PRESENT_PATTERN"])], env=env, cwd=wayland.work,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

            def shown():
                if x.run("xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$").split():
                    return "x11"
                return "wayland" if wayland.find_view(TITLE) else None
            # SDL 2.26 tries X11 before Wayland.
            self.assertEqual(wait_until(shown, 20), "x11")
            self.assertIsNone(program.poll())

    def test_a_wayland_display_that_does_not_answer_is_reported(self):
        with tempfile.TemporaryDirectory() as folder:
            os.chmod(folder, 0o700)
            env = {name: value for name, value in os.environ.items()
                   if name not in ("DISPLAY", "SDL_VIDEODRIVER")}
            env.update(WAYLAND_DISPLAY="wayland-absent", XDG_RUNTIME_DIR=folder)
            result = subprocess.run([os.environ["DEMO"]], cwd=folder, env=env, capture_output=True, text=True,
                                    timeout=20)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout.splitlines(), BANNER)
        ours = [line for line in result.stderr.splitlines() if line.startswith("demo:")]
        self.assertEqual(len(ours), 1, result.stderr)
        self.assertTrue(ours[0].startswith(FAILURE_PREFIX + "no display"), ours[0])
        self.assertIn("WAYLAND_DISPLAY", ours[0])


if __name__ == "__main__":
    unittest.main()
