"""The demo in hostile surroundings under Xvfb: an X server that dies, a
screen format it cannot show, a window larger than the screen or than the
memory allows, a chooser left open while the demo is ended, answered after
the window is gone, or answered from the keyboard. Each case checks the exit
code, what the demo says and how long it takes.

The programs come from the environment: DEMO and PRESENT_PATTERN."""

import os
import re
import resource
import signal
import subprocess
import tempfile
import time
import unittest

from window_test import BANNER, START_LINE, TITLE, Program, WindowTestCase, assert_started, make_datas, stuck
from xsession import XSession, wait_until

LOST_X_SERVER = re.compile(r"^demo: lost the connection to the display: the X server has gone \(.+\)$")
SCREEN_FORMATS = "the demo shows only 16-bit (5-6-5 or 5-5-5), 24-bit and 32-bit RGB screens"
# Enough address space for the demo at 240 x 240, too little for three
# shared images of 960 x 960 (3.5 MB each); the second too little for one.
MEMORY_LIMITS = (34000 * 1024, 29000 * 1024)


def live_children(pid):
    """The processes whose parent is pid, zombies left out."""
    found = []
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        try:
            with open(f"/proc/{name}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid and fields[0] != "Z":
            found.append(int(name))
    return found


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


class LimitedProgram(Program):
    """A program started with its address space limited to limit bytes."""

    def __init__(self, session, command, cwd, limit):
        self.out = tempfile.TemporaryFile("w+")
        self.err = tempfile.TemporaryFile("w+")
        self.process = session.start([command], cwd=cwd, stdout=self.out, stderr=self.err,
                                     preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_AS, (limit, limit)))


class LostXServerTest(unittest.TestCase):
    def test_a_killed_x_server_ends_the_demo_with_its_own_line(self):
        self.kill_server_under_demo(with_chooser=False)

    def test_the_line_comes_once_when_the_chooser_is_open(self):
        self.kill_server_under_demo(with_chooser=True)

    def kill_server_under_demo(self, with_chooser):
        with tempfile.TemporaryDirectory() as folder, XSession() as session:
            make_datas(folder)
            demo = Program(session, os.environ["DEMO"], folder)
            self.addCleanup(demo.close)
            assert_started(self, demo, session)
            window = session.find_window(TITLE, lambda: stuck(demo, session))
            if with_chooser:
                session.click(window, 20, 20, button=3)
                session.find_window_in_tree("Zoom", timeout=10)
            session.processes[0].kill()
            killed = time.monotonic()
            self.assertEqual(demo.wait(5), 1, demo.stderr())
            self.assertLess(time.monotonic() - killed, 1.0)
            self.assertEqual(len(demo.stderr()), 1, demo.stderr())
            self.assertRegex(demo.stderr()[0], LOST_X_SERVER)
            self.assertEqual(demo.stdout(), BANNER + [START_LINE])


class ScreenFormatTest(unittest.TestCase):
    def test_eight_and_thirty_bit_screens_get_the_demos_own_line(self):
        for depth in (8, 30):
            with self.subTest(depth=depth), tempfile.TemporaryDirectory() as folder, \
                    XSession(depth=depth, window_manager=False) as session:
                result = subprocess.run([os.environ["DEMO"]], cwd=folder, env=session.env, capture_output=True,
                                        text=True, timeout=20)
                self.assertEqual(result.returncode, 1)
                # A sanitizer build may add its own report of the libraries' leaks.
                ours = [line for line in result.stderr.splitlines() if line.startswith("demo:")]
                self.assertEqual(ours, [
                    f"demo: cannot open the display: unsupported screen pixel format (X screen of depth {depth}): "
                    + SCREEN_FORMATS])
                self.assertNotIn("Unknown window pixel format", result.stderr)


class LargeWindowTest(WindowTestCase):
    def assert_frames_fill(self, window, size):
        """The window is size x size and shows moving frames to its far corner."""
        self.wait_for_client_size(window, size)

        def corner():
            shot = self.session.screenshot(window)
            return [shot.pixel(x, y) for y in range(size - 40, size, 4) for x in range(size - 40, size, 4)]
        first = wait_until(lambda: (lambda pixels: pixels if len(set(pixels)) > 10 else None)(corner()), 5, 0.1)
        self.assertIsNotNone(first, "the far corner of the window shows no frame")
        self.assertTrue(wait_until(lambda: corner() != first, 3, 0.1), "the far corner does not change")

    def test_with_little_memory_zoom_4_still_shows_frames(self):
        if os.environ.get("DEMO_NO_MEMORY_LIMITS"):
            self.skipTest("a sanitizer build or an emulator needs more address space than any limit here")
        for limit in MEMORY_LIMITS:
            with self.subTest(limit=limit):
                demo = LimitedProgram(self.session, os.environ["DEMO"], self.folder.name, limit)
                self.addCleanup(demo.close)
                assert_started(self, demo, self.session)
                self.assertTrue(demo.running(), demo.stderr())
                window = self.session.find_window(TITLE, lambda: stuck(demo, self.session))
                self.session.activate(window)
                self.session.keys("4")
                self.assert_frames_fill(window, 960)
                self.quit(demo, window)
                self.assertEqual(demo.stderr(), [])

    def test_a_window_far_larger_than_the_screen_still_quits_at_once(self):
        demo, window = self.start_demo()
        self.session.run("xdotool", "windowsize", window, "32767", "32767")
        wait_until(lambda: self.session.client_geometry(window)[2] > 10000, 5)
        time.sleep(1)
        self.assertTrue(demo.running(), demo.stderr())
        self.quit(demo, window)
        self.assertEqual(demo.stderr(), [])


class ChooserTest(WindowTestCase):
    def open_chooser(self, window):
        self.session.click(window, 20, 20, button=3)
        return self.session.find_window_in_tree("Zoom", timeout=10)

    def test_escape_closes_the_chooser_and_return_chooses_zoom_1(self):
        program, window = self.start_pattern()
        self.session.activate(window)
        self.session.keys("2")
        self.assert_zoomed(window, 2)

        chooser = self.open_chooser(window)
        self.session.run("xdotool", "key", "--window", chooser, "Escape")
        self.assertTrue(wait_until(lambda: not self.window_exists(chooser), 2), "Escape leaves the chooser open")
        time.sleep(0.3)
        self.assertEqual(self.session.client_geometry(window)[2:], (480, 480))

        chooser = self.open_chooser(window)
        self.session.run("xdotool", "key", "--window", chooser, "Return")
        self.assertTrue(wait_until(lambda: not self.window_exists(chooser), 2), "Return leaves the chooser open")
        self.assert_zoomed(window, 1)
        self.quit(program, window)

    def test_the_chooser_ends_with_the_demo_on_each_signal(self):
        for sent in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            with self.subTest(signal=sent.name):
                program, window = self.start_pattern()
                chooser = self.open_chooser(window)
                children = live_children(program.process.pid)
                self.assertTrue(children, "the chooser runs in no child process")
                program.process.send_signal(sent)
                signalled = time.monotonic()
                self.assertEqual(program.wait(5), -sent)
                self.assertTrue(wait_until(lambda: not any(alive(child) for child in children), 2),
                                "the chooser's process outlives the program")
                self.assertTrue(wait_until(lambda: not self.window_exists(chooser), 2),
                                "the chooser stays on the screen")
                self.assertLess(time.monotonic() - signalled, 1.0)

    def test_an_answer_after_the_window_is_gone_ends_as_closing_does(self):
        program, window = self.start_pattern()
        chooser = self.open_chooser(window)
        buttons = self.chooser_buttons(chooser)
        self.session.run("xdotool", "windowclose", window)
        time.sleep(0.5)
        self.session.click(chooser, *buttons[1])  # Zoom 2 x 2
        answered = time.monotonic()
        self.assertEqual(program.wait(5), 0, program.stderr())
        self.assertLess(time.monotonic() - answered, 1.0)
        self.assertEqual(program.stderr(), [])


if __name__ == "__main__":
    unittest.main()
