#!/usr/bin/env bash
# Runs demo-pacing-bench on a private Xvfb screen (no window manager), then,
# when sway is installed, in a headless Wayland session: for each, 10 s of the
# demo's loop as fast as it goes and 10 s paced to the display, with the
# frames a second and the processor time of the demo and of the display
# server (Xvfb; sway and what it started) as shares of one core.
# Usage: tools/pacing-bench.sh [BUILD_DIR] (default build, a Release build).
set -euo pipefail
cd "$(dirname "$0")/.."
bench="${1:-build}/bin/demo-pacing-bench"
[ -x "$bench" ] || { echo "pacing-bench: no $bench; build the project first" >&2; exit 1; }

exec {numbers}<> <(:)
Xvfb -displayfd "$numbers" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
read -r -u "$numbers" number
exec {numbers}<&-
echo "X11 (Xvfb):"
status=0
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=":$number" "$bench" "$server" || status=$?
kill "$server"
wait "$server" 2>/dev/null || true
[ $status -eq 0 ] || exit $status

command -v sway >/dev/null || exit 0
echo "Wayland (sway, headless):"
python3 - "$bench" <<'PYTHON'
import json, shutil, sys
sys.path.insert(0, "tests/sdl")
from waylandsession import WaylandSession
with WaylandSession() as session:
    outputs = json.loads(session.run("swaymsg", "-r", "-t", "get_outputs").stdout)
    print("output refresh rate as sway reports it:",
          ", ".join(f"{output['current_mode']['refresh'] / 1000:g} Hz" for output in outputs))
    sys.stdout.flush()
    shutil.copytree("datas", session.work + "/datas")
    compositor = [str(pid) for pid in session.process_ids(session.compositor)]
    bench = session.start([session.install(sys.argv[1])] + compositor, cwd=session.work)
    sys.exit(bench.wait())
PYTHON
