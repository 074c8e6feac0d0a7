"""A private X server (Xvfb), optionally with a window manager (openbox), and
the X tools the window tests drive it with: find windows, read their
geometry, take screenshots, press keys and click."""

import ctypes
import os
import re
import shutil
import struct
import subprocess
import tempfile
import time


def wait_until(predicate, timeout, step=0.02):
    """The predicate's first true value within timeout seconds, else None."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(step)


def end_processes(processes):
    """Ends the processes, the last started first: politely, so that a server
    removes its socket, and by force after five seconds."""
    for process in reversed(processes):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        process.wait()


class Screenshot:
    """A window's pixels from an xwd dump: raw pixel values in the server's format."""

    def __init__(self, dump):
        header = struct.unpack(">25I", dump[:100])
        (header_size, _, _, self.depth, self.width, self.height, _, byte_order, _, _, _,
         bits_per_pixel, bytes_per_line, _, self.red_mask, self.green_mask, self.blue_mask,
         _, _, colour_count) = header[:20]
        order = "little" if byte_order == 0 else "big"
        size = bits_per_pixel // 8
        start = header_size + 12 * colour_count
        self.rows = []
        for y in range(self.height):
            row = dump[start + y * bytes_per_line:start + y * bytes_per_line + self.width * size]
            self.rows.append([int.from_bytes(row[i:i + size], order) for i in range(0, len(row), size)])

    def pixel(self, x, y):
        return self.rows[y][x] & (self.red_mask | self.green_mask | self.blue_mask)

    def colours(self):
        return {self.pixel(x, y) for y in range(self.height) for x in range(self.width)}


class _CursorImage(ctypes.Structure):
    """XFixesCursorImage: the pointer's current image, ARGB words."""
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def pointer_shown(display):
    """Whether the pointer's image on display has any pixel that is not fully
    transparent: a hidden pointer is an empty image."""
    xlib = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    connection = xlib.XOpenDisplay(display.encode())
    if not connection:
        raise RuntimeError(f"cannot open display {display}")
    try:
        image = xfixes.XFixesGetCursorImage(connection)
        if not image:
            raise RuntimeError("no cursor image")
        contents = image.contents
        shown = any(contents.pixels[i] >> 24 for i in range(contents.width * contents.height))
        xlib.XFree(image)
        return shown
    finally:
        xlib.XCloseDisplay(connection)


class XSession:
    """Xvfb on a free display number, with openbox when asked; everything it
    starts is ended on exit."""

    def __init__(self, width=1280, height=1024, depth=24, window_manager=True, server_options=()):
        self.size = (width, height)
        self.depth = depth
        self.server_options = list(server_options)
        self.window_manager = window_manager
        self.processes = []

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="xsession-")
        try:
            self._start_server()
            if self.window_manager:
                self._start_window_manager()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exception):
        end_processes(self.processes)
        shutil.rmtree(self.home, ignore_errors=True)

    def _start_server(self):
        # On a shared machine another server may take the display number at
        # the same moment: then nothing answers there, and a new server tries again.
        for _ in range(3):
            server, number = self._launch_server()
            self.env = dict(os.environ, DISPLAY=":" + number, HOME=self.home,
                            XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                            XDG_CACHE_HOME=os.path.join(self.home, "cache"))
            for name in ("WAYLAND_DISPLAY", "SDL_VIDEODRIVER"):
                self.env.pop(name, None)
            if wait_until(self._server_answers, 5):
                return
            server.kill()
        raise RuntimeError("no X server answered")

    def _launch_server(self):
        read_end, write_end = os.pipe()
        width, height = self.size
        # -noreset: by default the server resets when its last client leaves,
        # and drops the connections that arrive meanwhile; without a window
        # manager that happens between two programs of one test.
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x{self.depth}",
             "-nolisten", "tcp", "-noreset"] + self.server_options,
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(server)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return server, number

    def _server_answers(self):
        return subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                              capture_output=True).returncode == 0

    def _start_window_manager(self):
        # Like the server, the window manager may lose its first connection
        # on a shared machine; it gets three tries.
        log_path = os.path.join(self.home, "openbox.log")
        for _ in range(3):
            with open(log_path, "w") as log:
                manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=log, stderr=log)
            self.processes.append(manager)
            if wait_until(lambda: manager.poll() is not None or self._window_manager_runs(), 10):
                if manager.poll() is None:
                    return
        with open(log_path) as log:
            raise RuntimeError(f"openbox did not start: {log.read()}")

    def _window_manager_runs(self):
        # openbox names its check window early in its start, and lists the
        # clients once it is ready for them: a window mapped between the two
        # can be left unmapped for ever, and SDL waits for ever for it.
        return ("window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK") and
                "window id" in self.run("xprop", "-root", "_NET_CLIENT_LIST"))

    def start(self, command, **options):
        """Starts a program on this display; it is killed on exit if still running."""
        process = subprocess.Popen(command, env=self.env, **options)
        self.processes.append(process)
        return process

    def run(self, *command):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True)
        return result.stdout

    def find_window(self, title, explain, timeout=30):
        """The id of the visible window whose title is exactly title; explain()
        tells why, when there is none."""
        found = wait_until(
            lambda: self.run("xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$").split(),
            timeout)
        if not found:
            raise AssertionError(f"no window titled {title!r}: {explain()}")
        return found[-1]

    def find_window_in_tree(self, title, timeout=30):
        """Like find_window, for windows that xdotool's search misses."""
        pattern = re.compile(r"^\s*(0x[0-9a-f]+) \"" + re.escape(title) + "\":", re.M)
        found = wait_until(lambda: pattern.search(self.run("xwininfo", "-root", "-tree")), timeout)
        if not found:
            raise AssertionError(f"no window titled {title!r}")
        return found.group(1)

    def client_geometry(self, window):
        """(x, y, width, height) of the client area on the screen."""
        info = self.run("xwininfo", "-id", window)
        values = [int(re.search(label + r":\s*(-?\d+)", info).group(1))
                  for label in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        return tuple(values)

    def frame_extents(self, window):
        """(left, right, top, bottom) of the window manager's frame; 0s without one."""
        found = re.search(r"=\s*(\d+), (\d+), (\d+), (\d+)", self.run("xprop", "-id", window, "_NET_FRAME_EXTENTS"))
        return tuple(int(value) for value in found.groups()) if found else (0, 0, 0, 0)

    def outer_geometry(self, window):
        """(x, y, width, height) of the whole window, frame included."""
        x, y, width, height = self.client_geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        return (x - left, y - top, width + left + right, height + top + bottom)

    def screenshot(self, window):
        dump = subprocess.run(["xwd", "-silent", "-id", window], env=self.env, capture_output=True,
                              check=True).stdout
        return Screenshot(dump)

    def activate(self, window):
        if self.window_manager:
            self.run("xdotool", "windowactivate", "--sync", window)

    def keys(self, *keys):
        """Presses keys on the real keyboard, reaching the focused window."""
        self.run("xdotool", "key", *keys)

    def pointer_shown(self):
        return pointer_shown(self.env["DISPLAY"])

    def click(self, window, x, y, button=1):
        self.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", str(button))
