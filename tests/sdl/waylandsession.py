"""A private Wayland compositor (sway, headless, with no X server) and the
tools the Wayland tests drive it with: the window tree, screenshots (grim)
and keys (wtype).

sway refuses to run as root: run as root, the session creates an ordinary
user and runs the compositor and every program that talks to it as that
user, from copies of the programs in a folder that the user can read."""

import json
import os
import pwd
import shutil
import subprocess
import tempfile

from xsession import end_processes, wait_until

USER = "demo-wayland"

# Floating windows keep the size that the client asks for, as on the usual
# desktops; tiled ones would be given the whole output. No Xwayland: the
# session has no X server.
CONFIG = """\
xwayland disable
output HEADLESS-1 resolution 1280x720
default_border none
default_floating_border none
for_window [title=".*"] floating enable
"""


def ensure_user():
    """The uid and gid of the session's user, created when missing."""
    try:
        entry = pwd.getpwnam(USER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", USER],
                       check=True, capture_output=True)
        entry = pwd.getpwnam(USER)
    return entry.pw_uid, entry.pw_gid


class Ppm:
    """A binary PPM image: its size and its pixels as (r, g, b)."""

    def __init__(self, data):
        fields = []
        position = 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        position += 1  # the one white space after the maximum value
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("not an 8-bit binary PPM image")
        self.width, self.height = int(fields[1]), int(fields[2])
        pixels = data[position:]
        self.rows = [[tuple(pixels[(y * self.width + x) * 3:(y * self.width + x) * 3 + 3])
                      for x in range(self.width)] for y in range(self.height)]

    def colours(self):
        return {pixel for row in self.rows for pixel in row}


class WaylandSession:
    """Headless sway in its own runtime folder; everything it starts is ended on exit."""

    def __init__(self):
        self.processes = []
        self.ids = ensure_user() if os.geteuid() == 0 else None

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="wayland-session-")
        try:
            self._prepare_folders()
            self._start_compositor()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exception):
        end_processes(self.processes)
        shutil.rmtree(self.folder, ignore_errors=True)

    def _prepare_folders(self):
        # The work folder (programs, images, configuration) is readable by
        # all; the runtime folder belongs to the user alone, as the protocol wants.
        os.chmod(self.folder, 0o755)
        self.work = os.path.join(self.folder, "work")
        self.runtime = os.path.join(self.folder, "runtime")
        os.mkdir(self.work, 0o755)
        os.mkdir(self.runtime, 0o700)
        if self.ids:
            os.chown(self.runtime, *self.ids)
        self.config = os.path.join(self.work, "sway.config")
        with open(self.config, "w") as config:
            config.write(CONFIG)
        os.chmod(self.config, 0o644)
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.work,
                    "XDG_RUNTIME_DIR": self.runtime, "WLR_BACKENDS": "headless",
                    "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}

    def _start_compositor(self):
        log_path = os.path.join(self.folder, "sway.log")
        with open(log_path, "w") as log:
            self.compositor = self.start(["sway", "-c", self.config], stdout=log, stderr=log)

        def sockets():
            names = os.listdir(self.runtime)
            display = [name for name in names if name.startswith("wayland-") and not name.endswith(".lock")]
            ipc = [name for name in names if name.startswith("sway-ipc.")]
            return (display[0], ipc[0]) if display and ipc else None

        found = wait_until(lambda: self.compositor.poll() is not None or sockets(), 20)
        if self.compositor.poll() is not None or not found:
            with open(log_path) as log:
                raise RuntimeError(f"sway did not start: {log.read()[-2000:]}")
        display, ipc = found
        self.env.update(WAYLAND_DISPLAY=display, SWAYSOCK=os.path.join(self.runtime, ipc))
        if not wait_until(lambda: self.tree(), 10):
            raise RuntimeError("sway does not answer")

    def as_user(self, command, env):
        """The command line that runs command with exactly env, as the session's user."""
        if not self.ids:
            return list(command)
        return ["runuser", "-u", USER, "--", "env", "-i"] + [f"{k}={v}" for k, v in env.items()] + list(command)

    def install(self, program):
        """A copy of program that the session's user can run."""
        copy = os.path.join(self.work, os.path.basename(program))
        shutil.copy(program, copy)
        os.chmod(copy, 0o755)
        return copy

    def start(self, command, env=None, **options):
        """Starts a program in this session; it is ended on exit if still running."""
        env = dict(self.env if env is None else env)
        process = subprocess.Popen(self.as_user(command, env), env=env, **options)
        self.processes.append(process)
        return process

    def run(self, *command):
        result = subprocess.run(self.as_user(command, self.env), env=self.env, capture_output=True)
        return result

    def tree(self):
        result = self.run("swaymsg", "-r", "-t", "get_tree")
        return json.loads(result.stdout) if result.returncode == 0 else None

    def find_view(self, title):
        """The tree node of the window whose title is exactly title, or None."""
        def walk(node):
            if node.get("name") == title and node.get("pid"):
                return node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                found = walk(child)
                if found:
                    return found
            return None
        tree = self.tree()
        return walk(tree) if tree else None

    @staticmethod
    def client_area(view):
        """(x, y, width, height) of the window's client area on the output."""
        rect, content = view["rect"], view["window_rect"]
        return (rect["x"] + content["x"], rect["y"] + content["y"], content["width"], content["height"])

    def process_ids(self, process):
        """The process and its descendants: run as root, each program runs
        under runuser, whose child is the program itself."""
        ids = [process.pid]
        for pid in ids:
            try:
                with open(f"/proc/{pid}/task/{pid}/children") as children:
                    ids.extend(int(child) for child in children.read().split())
            except OSError:
                pass
        return ids

    def screenshot(self, x, y, width, height):
        result = self.run("grim", "-t", "ppm", "-g", f"{x},{y} {width}x{height}", "-")
        if result.returncode != 0:
            raise RuntimeError(f"grim failed: {result.stderr.decode()}")
        return Ppm(result.stdout)

    def keys(self, *arguments):
        """Types through a new virtual keyboard (wtype arguments such as
        "-k", "Escape"). The keyboard appears 300 ms before its first key:
        SDL 2.26 crashes when a keyboard without a named layout, as virtual
        ones are, appears with a key already down."""
        self.run("wtype", "-s", "300", *arguments)
