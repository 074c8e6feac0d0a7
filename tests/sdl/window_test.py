"""The demo and the pattern presenter in real windows under Xvfb.

The programs come from the environment: DEMO (build/bin/demo) and
PRESENT_PATTERN (build/bin/present-pattern)."""

import math
import os
import subprocess
import tempfile
import time
import unittest

from xsession import XSession, wait_until

TITLE = "Zarn Screen Copier"
BANNER = [
    "Fast code compo a l'arrache...",
    "  Credits :",
    "             Code - Orvane ^ Zarn",
    "              Gfx - Orvane ^ Zarn",
    "   Additional Gfx - Google image ;o)",
    "              Zik - ?!",
    "Realise pour l'Vorlanse party (2003 03 22, Paris, FRANCE)",
    "a \"La cite des sciences et de l'industrie\"...",
    "",
    "Note tres subtile : ce n'est pas un bump, c'est une normal map...",
    "Non mais... Mauvaise langue ;o)))))))",
    "",
    "We'll be back ;o)",
    "",
    "Chargement.............. |/-\\|",
]
START_LINE = "Et ouala, c'est partis !"
FAILURE_PREFIX = "demo: cannot open the display: "
# The chooser's buttons, from the left: the three zoom commands, full screen, pacing, Cancel.
CHOOSER_BUTTONS = 6


def write_raw(path, width, height, colour):
    with open(path, "wb") as image:
        image.write(bytes(channel for y in range(height) for x in range(width) for channel in colour(x, y)))


def make_datas(folder):
    """Small stand-ins for the five images, so that every frame has colour."""
    datas = os.path.join(folder, "datas")
    os.mkdir(datas)

    def radial(size):
        def colour(x, y):
            level = max(0, 255 - int(math.hypot(x - size / 2, y - size / 2) * 510 / size))
            return (level, level, level)
        return colour

    write_raw(os.path.join(datas, "cite_des_sciences.raw"), 240, 240, lambda x, y: (x, y, (x + y) // 2))
    write_raw(os.path.join(datas, "cite_des_sciences_smile.raw"), 240, 240, lambda x, y: (255 - x, 128, y))
    write_raw(os.path.join(datas, "normal_map.raw"), 240, 240,
              lambda x, y: (128 + int(90 * math.sin(x / 9)), 128 + int(90 * math.cos(y / 11)), 220))
    write_raw(os.path.join(datas, "flare.raw"), 64, 64, radial(64))
    write_raw(os.path.join(datas, "particule.raw"), 32, 32, radial(32))


def pattern(x, y):
    """The pixel that present-pattern draws at (x, y)."""
    return (x << 16) | (y << 8) | ((x ^ y) & 0xFF)


def pack_565(p):
    return ((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p >> 3) & 0x001F)


class Program:
    """A program started on an X session, its output captured in files."""

    def __init__(self, session, command, cwd):
        self.out = tempfile.TemporaryFile("w+")
        self.err = tempfile.TemporaryFile("w+")
        self.process = session.start([command], cwd=cwd, stdout=self.out, stderr=self.err)

    def close(self):
        self.out.close()
        self.err.close()

    def lines(self, stream):
        # Read without moving the file offset, which the running program
        # shares: a seek here would make its next line overwrite the first.
        size = os.fstat(stream.fileno()).st_size
        return os.pread(stream.fileno(), size, 0).decode(errors="replace").splitlines()

    def stdout(self):
        return self.lines(self.out)

    def stderr(self):
        return self.lines(self.err)

    def running(self):
        return self.process.poll() is None

    def wait(self, timeout):
        """The exit code within timeout seconds, else None."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None


def stacks(process):
    """Where each thread of a running process is, as gdb tells it."""
    try:
        return subprocess.run(["gdb", "-p", str(process.pid), "-batch", "-ex", "thread apply all bt"],
                              capture_output=True, text=True, timeout=60).stdout
    except (OSError, subprocess.TimeoutExpired) as error:
        return f"no stacks: {error}"


def stuck(program, session):
    """What a program that shows no sign of life printed, and where it, the
    X server and the window manager wait."""
    others = "\n".join(f"{process.args[0]}:\n{stacks(process)}" for process in session.processes
                       if process is not program.process and process.poll() is None)
    return f"{program.stdout()} {program.stderr()}\n{stacks(program.process)}\n{others}"


def assert_started(test, demo, session):
    """Fails the test unless the demo prints its start line within 20 s or
    ends; the failure shows what it printed so far and where it waits."""
    if not wait_until(lambda: START_LINE in demo.stdout() or not demo.running(), 20):
        test.fail(f"the demo did not start: {stuck(demo, session)}")


class WindowTestCase(unittest.TestCase):
    session_options = {}

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        make_datas(cls.folder.name)
        cls.session = XSession(**cls.session_options).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__(None, None, None)
        cls.folder.cleanup()

    def start(self, variable):
        program = Program(self.session, os.environ[variable], self.folder.name)
        self.addCleanup(program.close)
        return program

    def start_demo(self):
        """The demo, once its start line is out; and its window."""
        demo = self.start("DEMO")
        assert_started(self, demo, self.session)
        self.assertTrue(demo.running(), demo.stderr())
        return demo, self.session.find_window(TITLE, lambda: stuck(demo, self.session))

    def start_pattern(self):
        program = self.start("PRESENT_PATTERN")
        window = self.session.find_window(TITLE, lambda: stuck(program, self.session))
        self.wait_for_client_size(window, 240)
        return program, window

    def quit(self, program, window):
        """Escape ends the program at once, with exit code 0."""
        self.session.activate(window)
        pressed = time.monotonic()
        self.session.keys("Escape")
        self.assertEqual(program.wait(5), 0, program.stderr())
        self.assertLess(time.monotonic() - pressed, 1.0)

    def assert_ends_when_destroyed(self, program, window):
        """Another X client destroys the window: exit code 0 and not a word."""
        self.session.run("xdotool", "windowclose", window)
        self.assertEqual(program.wait(5), 0, program.stderr())
        self.assertEqual(program.stderr(), [])

    def wait_for_client_size(self, window, size):
        wait_until(lambda: self.session.client_geometry(window)[2:] == (size, size), 5)
        self.assertEqual(self.session.client_geometry(window)[2:], (size, size))

    def placement(self, window):
        """Where the whole window is, and where it would be centred."""
        x, y, width, height = self.session.outer_geometry(window)
        screen_width, screen_height = self.session.size
        return (x, y), ((screen_width - width) >> 1, (screen_height - height) >> 1)

    def assert_centred(self, window):
        # A move may follow a resize: give the window manager a moment.
        wait_until(lambda: len(set(self.placement(window))) == 1, 2)
        position, centred = self.placement(window)
        self.assertEqual(position, centred)

    def assert_zoomed(self, window, factor):
        self.wait_for_client_size(window, 240 * factor)
        self.assert_centred(window)

    def assert_shows_pattern(self, window, factor, expected=pattern):
        """Every client pixel is the pattern's, stretched by factor, once the
        frames presented since the window took its size have reached it."""
        def mismatches():
            shot = self.session.screenshot(window)
            self.assertEqual((shot.width, shot.height), (240 * factor, 240 * factor))
            return [(x, y) for y in range(shot.height) for x in range(shot.width)
                    if shot.pixel(x, y) != expected(x // factor, y // factor)]
        wait_until(lambda: not mismatches(), 5, step=0.1)
        differing = mismatches()
        self.assertEqual(differing[:5], [], f"{len(differing)} pixels differ")

    def assert_full_screen_shows_pattern(self, window):
        """The window covers the screen and shows the pattern at the largest
        whole factor, centred, on black."""
        width, height = self.session.size
        wait_until(lambda: self.session.client_geometry(window) == (0, 0, width, height), 5)
        self.assertEqual(self.session.client_geometry(window), (0, 0, width, height))
        factor = min(width, height) // 240
        left, top = (width - 240 * factor) // 2, (height - 240 * factor) // 2

        def expected(x, y):
            inside = left <= x < left + 240 * factor and top <= y < top + 240 * factor
            return pattern((x - left) // factor, (y - top) // factor) if inside else 0

        def mismatches():
            shot = self.session.screenshot(window)
            return [(x, y) for y in range(shot.height) for x in range(shot.width)
                    if shot.pixel(x, y) != expected(x, y)]
        wait_until(lambda: not mismatches(), 5, step=0.2)
        differing = mismatches()
        self.assertEqual(differing[:5], [], f"{len(differing)} pixels differ")

    def drawn_frame(self, window):
        """A screenshot of the window if it shows more than a blank frame."""
        shot = self.session.screenshot(window)
        return shot if len(shot.colours()) > 100 else None

    def assert_draws_frames(self, window):
        """The window shows a drawn frame, not a blank one, and the frames change.
        The first frame may still be on its way when the start line is out
        (under an emulator, say)."""
        first = wait_until(lambda: self.drawn_frame(window), 5, step=0.1)
        self.assertIsNotNone(first, "the window shows no drawn frame")
        changed = wait_until(lambda: self.session.screenshot(window).rows != first.rows, 3, step=0.1)
        self.assertTrue(changed, "the frame does not change")

    def choose_zoom(self, chooser_button):
        """Clicks one of the chooser's buttons, counted from the left."""
        chooser = self.session.find_window_in_tree("Zoom")
        x, y = self.chooser_buttons(chooser)[chooser_button]
        self.session.click(chooser, x, y)
        wait_until(lambda: not self.window_exists(chooser), 5)

    def window_exists(self, window):
        return "Absolute" in self.session.run("xwininfo", "-id", window)

    def chooser_buttons(self, chooser):
        """The centres of the chooser's buttons: the lowest band of rows that
        crosses exactly one wide run of pixels unlike the background per
        button. SDL places the chooser from the window's corner, and with six
        buttons it can reach past the screen's edge: it is moved to the
        screen's corner first."""
        self.session.run("xdotool", "windowmove", chooser, "0", "0")
        wait_until(lambda: self.session.client_geometry(chooser)[0] < 40, 3)
        shot = wait_until(lambda: self.try_screenshot(chooser), 5)
        background = shot.pixel(2, 2)
        band = []
        for y in range(shot.height - 1, -1, -1):
            runs = [(start, end) for start, end in self.runs(shot, y, background) if end - start > 20]
            if len(runs) == CHOOSER_BUTTONS:
                band.append((y, runs))
            elif band:
                break
        self.assertTrue(band, "no buttons in the chooser")
        y, runs = band[len(band) // 2]
        return [((start + end) // 2, y) for start, end in runs]

    def try_screenshot(self, window):
        try:
            return self.session.screenshot(window)
        except subprocess.CalledProcessError:
            return None

    @staticmethod
    def runs(shot, y, background):
        runs = []
        start = None
        for x in range(shot.width + 1):
            inside = x < shot.width and shot.pixel(x, y) != background
            if inside and start is None:
                start = x
            elif not inside and start is not None:
                runs.append((start, x))
                start = None
        return runs


class DemoWindowTest(WindowTestCase):
    def test_prints_opens_centred_draws_ignores_keys_and_quits_on_escape(self):
        demo, window = self.start_demo()
        self.assertEqual(demo.stdout(), BANNER + [START_LINE])
        self.assertEqual(self.session.client_geometry(window)[2:], (240, 240))
        self.assert_centred(window)
        self.assert_draws_frames(window)

        self.session.activate(window)
        self.session.keys("a", "space", "Return", "3", "F1")
        time.sleep(0.5)
        self.assertTrue(demo.running())
        self.assertEqual(self.session.client_geometry(window)[2:], (240, 240))

        self.quit(demo, window)
        self.assertEqual(demo.stdout(), BANNER + [START_LINE])
        self.assertEqual(demo.stderr(), [])

    def test_closing_the_window_ends_the_demo(self):
        demo, window = self.start_demo()
        self.session.activate(window)
        pressed = time.monotonic()
        self.session.keys("alt+F4")
        self.assertEqual(demo.wait(5), 0, demo.stderr())
        self.assertLess(time.monotonic() - pressed, 1.0)

    def test_a_window_destroyed_by_another_client_ends_the_demo_as_closing_does(self):
        demo, window = self.start_demo()
        self.assert_ends_when_destroyed(demo, window)


class ZoomTest(WindowTestCase):
    def test_shows_the_frame_exactly_and_zooms_centred(self):
        program, window = self.start_pattern()
        self.assert_centred(window)
        self.assert_shows_pattern(window, 1)

        self.session.activate(window)
        self.session.keys("2")
        self.assert_zoomed(window, 2)
        self.assert_shows_pattern(window, 2)

        self.session.run("xdotool", "windowsize", window, "300", "200")
        self.session.run("xdotool", "windowmove", window, "10", "10")
        wait_until(lambda: self.session.client_geometry(window)[2:] == (300, 200), 5)
        self.session.click(window, 150, 100, button=3)
        self.choose_zoom(0)
        self.assert_zoomed(window, 1)
        self.assert_shows_pattern(window, 1)

        self.session.activate(window)
        self.session.keys("4")
        self.assert_zoomed(window, 4)
        self.quit(program, window)


class NoWindowManagerTest(WindowTestCase):
    session_options = {"window_manager": False}

    def test_alt_space_opens_the_chooser(self):
        program, window = self.start_pattern()
        self.assert_centred(window)
        self.session.keys("alt+space")
        self.choose_zoom(1)
        self.assert_zoomed(window, 2)
        self.assert_shows_pattern(window, 2)
        self.quit(program, window)

    def test_a_window_destroyed_by_another_client_ends_the_program(self):
        program, window = self.start_pattern()
        self.assert_ends_when_destroyed(program, window)

    def test_f11_covers_the_screen_by_itself_and_goes_back(self):
        program, window = self.start_pattern()
        before = self.session.client_geometry(window)
        self.session.keys("F11")
        self.assert_full_screen_shows_pattern(window)
        self.session.keys("F11")
        self.assertTrue(wait_until(lambda: self.session.client_geometry(window) == before, 5),
                        f"{self.session.client_geometry(window)} after full screen, {before} before")
        self.assert_shows_pattern(window, 1)
        self.quit(program, window)

    def test_a_window_destroyed_as_soon_as_it_shows_ends_the_program(self):
        """Even while the program is still setting up its presentation."""
        program = self.start("PRESENT_PATTERN")
        window = self.session.find_window(TITLE, lambda: program.stderr())
        self.assert_ends_when_destroyed(program, window)


class FullScreenTest(WindowTestCase):
    def test_f11_and_alt_enter_toggle_full_screen_and_back_to_the_window_where_it_was(self):
        program, window = self.start_pattern()
        self.session.run("xdotool", "windowmove", window, "100", "50")
        wait_until(lambda: self.session.client_geometry(window)[:2] != (0, 0) and
                   self.session.outer_geometry(window)[:2] == (100, 50), 5)
        before = self.session.client_geometry(window)
        self.session.activate(window)
        self.session.keys("F11")
        self.assert_full_screen_shows_pattern(window)  # 1280 x 1024: factor 4
        # Zoom keys do nothing in full screen.
        self.session.keys("2")
        time.sleep(0.3)
        self.assertEqual(self.session.client_geometry(window), (0, 0) + self.session.size)
        self.session.keys("F11")
        self.assertTrue(wait_until(lambda: self.session.client_geometry(window) == before, 5),
                        f"{self.session.client_geometry(window)} after full screen, {before} before")
        self.assert_shows_pattern(window, 1)

        self.session.keys("alt+Return")
        self.assert_full_screen_shows_pattern(window)
        self.session.keys("alt+Return")
        self.assertTrue(wait_until(lambda: self.session.client_geometry(window) == before, 5))
        self.quit(program, window)

    def test_full_screen_hides_the_pointer_until_it_moves(self):
        program, window = self.start_pattern()
        self.session.run("xdotool", "mousemove", "--window", window, "100", "100")
        self.session.activate(window)
        self.assertTrue(self.session.pointer_shown())
        self.session.keys("F11")
        self.assertTrue(wait_until(lambda: not self.session.pointer_shown(), 5), "the pointer stays in full screen")
        time.sleep(0.3)  # the window's own move under the pointer does not show it
        self.assertFalse(self.session.pointer_shown())
        self.session.run("xdotool", "mousemove_relative", "5", "5")
        self.assertTrue(wait_until(self.session.pointer_shown, 5), "the pointer stays hidden after moving")
        self.session.keys("F11", "F11")
        self.assertTrue(wait_until(lambda: not self.session.pointer_shown(), 5))
        self.session.keys("F11")
        self.assertTrue(wait_until(self.session.pointer_shown, 5), "the pointer stays hidden in the window")
        self.quit(program, window)

    def test_the_chooser_enters_full_screen(self):
        program, window = self.start_pattern()
        self.session.click(window, 120, 120, button=3)
        self.choose_zoom(3)
        self.assert_full_screen_shows_pattern(window)
        self.quit(program, window)


class PacedTest(WindowTestCase):
    """Paced to the display, the demo still draws, and ends at once on Escape
    and on closing."""

    def start_paced(self, pace):
        demo, window = self.start_demo()
        self.session.activate(window)
        pace(window)
        self.assert_draws_frames(window)
        return demo, window

    def test_the_v_key_paces_and_escape_still_ends_the_demo(self):
        demo, window = self.start_paced(lambda window: self.session.keys("v"))
        self.quit(demo, window)
        self.assertEqual(demo.stderr(), [])

    def test_the_chooser_paces_and_closing_still_ends_the_demo(self):
        def choose(window):
            self.session.click(window, 120, 120, button=3)
            self.choose_zoom(4)
        demo, window = self.start_paced(choose)
        # Full screen and back while paced: the keys act at once.
        self.session.activate(window)
        self.session.keys("F11")
        self.assertTrue(wait_until(lambda: self.session.client_geometry(window)[2:] == self.session.size, 5))
        self.session.keys("F11")
        self.wait_for_client_size(window, 240)
        pressed = time.monotonic()
        self.session.keys("alt+F4")
        self.assertEqual(demo.wait(5), 0, demo.stderr())
        self.assertLess(time.monotonic() - pressed, 1.0)


class Depth16Test(WindowTestCase):
    session_options = {"depth": 16}

    def test_frames_go_through_the_565_converter(self):
        program, window = self.start_pattern()
        self.assert_shows_pattern(window, 1, lambda x, y: pack_565(pattern(x, y)))
        self.quit(program, window)

        demo, window = self.start_demo()
        self.assert_draws_frames(window)
        self.quit(demo, window)


class UnreadableImagesTest(WindowTestCase):
    """Started where its images are missing, short or not files at all, the
    demo runs on, says which on standard error, and never waits on a FIFO."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        datas = os.path.join(cls.folder.name, "datas")
        os.remove(os.path.join(datas, "flare.raw"))
        os.remove(os.path.join(datas, "particule.raw"))
        os.mkfifo(os.path.join(datas, "particule.raw"))
        os.truncate(os.path.join(datas, "normal_map.raw"), 172800 - 240)

    def run_until_escape(self, demo, has_images=True):
        assert_started(self, demo, self.session)
        window = self.session.find_window(TITLE, lambda: demo.stderr())
        if has_images:
            self.assert_draws_frames(window)
        else:  # every image black and transparent: so is every frame
            self.assertEqual(self.session.screenshot(window).colours(), {0})
        self.quit(demo, window)
        self.assertEqual(demo.stdout(), BANNER + [START_LINE])

    def test_names_each_file_it_cannot_read(self):
        demo = self.start("DEMO")
        self.run_until_escape(demo)
        self.assertEqual(demo.stderr(), [
            "demo: datas/normal_map.raw is short by 240 of its 172800 bytes; they read as 0xFF",
            "demo: cannot read datas/flare.raw: missing; it is drawn black",
            "demo: cannot read datas/particule.raw: not a regular file; it is drawn black",
        ])

    def test_says_where_it_looks_for_datas(self):
        with tempfile.TemporaryDirectory() as elsewhere:
            demo = Program(self.session, os.environ["DEMO"], elsewhere)
            self.addCleanup(demo.close)
            self.run_until_escape(demo, has_images=False)
            self.assertEqual(demo.stderr(), [
                f"demo: no datas/ folder in {os.path.realpath(elsewhere)}: the images are read from datas/ "
                "under the current directory; all are drawn black"])


class FailureTest(unittest.TestCase):
    def run_demo(self, env):
        with tempfile.TemporaryDirectory() as folder:
            result = subprocess.run([os.environ["DEMO"]], cwd=folder, env=env, capture_output=True, text=True,
                                    timeout=20)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout.splitlines(), BANNER)
        ours = [line for line in result.stderr.splitlines() if line.startswith("demo:")]
        self.assertEqual(len(ours), 1, result.stderr)
        self.assertTrue(ours[0].startswith(FAILURE_PREFIX), ours[0])
        return ours[0][len(FAILURE_PREFIX):]

    def test_an_eight_bit_screen_is_refused(self):
        with XSession(depth=8, window_manager=False) as session:
            reason = self.run_demo(session.env)
        self.assertIn("pixel format", reason)

    def test_no_display_is_reported(self):
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER")}
        reason = self.run_demo(env)
        self.assertIn("no display", reason)
        self.assertIn("DISPLAY", reason)


if __name__ == "__main__":
    unittest.main()
