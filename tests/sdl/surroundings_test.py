"""The demo in hostile surroundings: started with its consoles closed or
piped into a reader that goes away, on X11 (Xvfb with openbox) and on
Wayland (headless sway), and with scarce memory under Xvfb.

The program comes from the environment: DEMO (build/bin/demo)."""

import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest

from waylandsession import WaylandSession
from window_test import BANNER, START_LINE, TITLE, Program, WindowTestCase, make_datas, stuck
from xsession import wait_until


def shell(script, program, shell_program="sh"):
    """A shell that runs script with program as $0; exec keeps its process."""
    return [shell_program, "-c", script, program]


class ShellProgram(Program):
    """A program started by a shell line on an X session, its output captured in files."""

    def __init__(self, session, command, cwd):
        self.out = tempfile.TemporaryFile("w+")
        self.err = tempfile.TemporaryFile("w+")
        self.process = session.start(command, cwd=cwd, stdout=self.out, stderr=self.err)


class ClosedConsoleTest(WindowTestCase):
    """No file or connection takes a closed console's number, so the window
    answers its keys and Escape ends the demo at once."""

    def run_demo(self, script, folder=None, shell_program="sh"):
        program = ShellProgram(self.session, shell(script, os.environ["DEMO"], shell_program),
                               folder or self.folder.name)
        self.addCleanup(program.close)
        window = self.session.find_window(TITLE, lambda: stuck(program, self.session))
        return program, window

    def assert_zooms_and_quits(self, program, window):
        self.session.activate(window)
        self.session.keys("2")
        self.assert_zoomed(window, 2)
        self.quit(program, window)

    def test_standard_output_closed(self):
        program, window = self.run_demo('exec "$0" >&-')
        self.assert_draws_frames(window)
        self.assert_zooms_and_quits(program, window)
        self.assertEqual(program.stderr(), [])

    def test_standard_error_closed_without_datas(self):
        """The line about the missing datas/ goes nowhere, not into the display connection."""
        with tempfile.TemporaryDirectory() as elsewhere:
            program, window = self.run_demo('exec "$0" 2>&-', elsewhere)
            self.assert_zooms_and_quits(program, window)
            self.assertEqual(program.stdout(), BANNER + [START_LINE])

    def test_every_console_closed(self):
        program, window = self.run_demo('exec "$0" <&- >&- 2>&-')
        self.assert_zooms_and_quits(program, window)

    def test_a_reader_that_has_gone(self):
        """The reader takes three lines and goes; the window opens all the same."""
        program, window = self.run_demo('"$0" | head -3; exit "${PIPESTATUS[0]}"', shell_program="bash")
        self.assertTrue(wait_until(lambda: len(program.stdout()) == 3, 5), program.stdout())
        self.assertEqual(program.stdout(), BANNER[:3])
        self.assert_draws_frames(window)
        self.quit(program, window)


class WaylandClosedConsoleTest(unittest.TestCase):
    def test_standard_output_closed(self):
        with WaylandSession() as session:
            make_datas(session.work)
            demo = session.install(os.environ["DEMO"])
            err = tempfile.TemporaryFile("w+")
            self.addCleanup(err.close)
            process = session.start(shell('exec "$0" >&-', demo), cwd=session.work, stderr=err)
            view = wait_until(lambda: process.poll() is not None or session.find_view(TITLE), 20)
            err.seek(0)
            self.assertTrue(view and process.poll() is None, f"no window: {err.read()}")
            pressed = time.monotonic()
            session.keys("-k", "Escape")
            try:
                code = process.wait(5)
            except subprocess.TimeoutExpired:
                code = None
            self.assertEqual(code, 0)
            self.assertLess(time.monotonic() - pressed, 1.5)  # wtype waits 300 ms before its key
            err.seek(0)
            self.assertEqual(err.read(), "")


class MemorySweepTest(WindowTestCase):
    """The lowest address-space limit (ulimit -v) under which the demo opens
    its window is found, then the demo starts again at each limit 256 KB
    below it, down to where the system's loader cannot even map it. Every run
    ends with code 0 (Escape) or 1, never by a signal, says at most one line,
    which names the demo and the memory that ran out, and never claims that
    there is no display while one runs."""

    STEP = 256
    MOST_STEPS = 40

    def run_under(self, limit):
        """(exit code, standard error lines) of the demo under limit KB:
        ended by Escape once its window is up, or by itself."""
        program = ShellProgram(self.session, shell(f'ulimit -v {limit} && exec "$0"', os.environ["DEMO"]),
                               self.folder.name)
        self.addCleanup(program.close)
        shown = wait_until(lambda: not program.running() or self.session.run(
            "xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$").split(), 20)
        if program.running():
            self.assertTrue(shown, f"under {limit} KB: no window and no end: {stuck(program, self.session)}")
            self.session.activate(shown[-1])
            self.session.keys("Escape")
        code = program.wait(10)
        if code is None:
            self.fail(f"under {limit} KB Escape does not end the demo: {stuck(program, self.session)}")
        return code, program.stderr()

    def test_scarce_memory(self):
        if os.environ.get("DEMO_NO_MEMORY_LIMITS"):
            self.skipTest("a sanitizer build or an emulator needs more address space than any limit here")
        low, high = 8192, 131072
        code, err = self.run_under(high)
        self.assertEqual(code, 0, err)
        while high - low > self.STEP // 2:
            middle = (low + high) // 2
            if self.run_under(middle)[0] == 0:
                high = middle
            else:
                low = middle
        swept = []
        for limit in range(high, high - self.STEP * self.MOST_STEPS, -self.STEP):
            code, err = self.run_under(limit)
            if code == 127 and not any(line.startswith("demo:") for line in err):
                break  # the loader's own failure, before the demo runs
            swept.append((limit, code, err[:1]))
            with self.subTest(limit=limit):
                self.assertIn(code, (0, 1), err)
                self.assertLessEqual(len(err), 1, err)
                self.assertEqual(code == 1, len(err) == 1, err)
                for line in err:
                    self.assertRegex(line, r"^demo: .*([Oo]ut of memory|lack of memory)")
                    self.assertNotIn("no display", line)
        print(f"\nworks from {high} KB; swept {len(swept)} limits down to {swept[-1][0]} KB:", file=sys.stderr)
        for limit, code, err in swept:
            print(f"  {limit} KB: {code} {err[0] if err else ''}", file=sys.stderr)
        self.assertGreaterEqual(len(swept), 4)


class RefusingDisplayTest(unittest.TestCase):
    """A display that runs but will not serve the demo (it closes every
    connection at once, as a server short of memory or refusing the client
    does) is never reported as missing."""

    def test_a_running_display_is_never_called_missing(self):
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.addCleanup(server.close)
        for number in range(4000 + os.getpid() % 1000, 6000):
            try:
                server.bind(f"\0/tmp/.X11-unix/X{number}")
                break
            except OSError:
                continue
        server.listen(8)
        # In a sanitizer build: the D-Bus library that SDL starts loses a
        # block of its own when the process ends there, which is not the case here.
        env = dict(os.environ, DISPLAY=f":{number}", ASAN_OPTIONS="detect_leaks=0")
        for name in ("WAYLAND_DISPLAY", "SDL_VIDEODRIVER"):
            env.pop(name, None)
        with tempfile.TemporaryDirectory() as folder:
            demo = subprocess.Popen([os.environ["DEMO"]], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.PIPE, text=True)
            server.settimeout(0.1)
            deadline = time.monotonic() + 10
            while demo.poll() is None and time.monotonic() < deadline:
                try:
                    server.accept()[0].close()
                except socket.timeout:
                    pass
            _, err = demo.communicate(timeout=10)
        self.assertEqual(demo.returncode, 1, err)
        lines = err.splitlines()
        self.assertEqual(len(lines), 1, err)
        self.assertTrue(lines[0].startswith(f"demo: cannot open the display: cannot connect to the X display :{number}, "
                                            "which is running ("), lines[0])
