#!/usr/bin/env bash
# Runs demo-window-bench on a private Xvfb screen at depth 24 and at depth 16
# (no window manager), then, when sway is installed, in a headless Wayland
# session, and prints for each the frame rates of the demo's loop, of a loop
# that only presents and of one that only draws, and their ratios.
# Usage: tools/window-bench.sh [BUILD_DIR] (default build, a Release build).
set -euo pipefail
cd "$(dirname "$0")/.."
bench="${1:-build}/bin/demo-window-bench"
[ -x "$bench" ] || { echo "window-bench: no $bench; build the project first" >&2; exit 1; }

for depth in 24 16; do
  exec {numbers}<> <(:)
  Xvfb -displayfd "$numbers" -screen 0 1280x1024x"$depth" -nolisten tcp -noreset >/dev/null 2>&1 &
  server=$!
  read -r -u "$numbers" number
  exec {numbers}<&-
  echo "X11, depth $depth:"
  status=0
  env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=":$number" "$bench" || status=$?
  kill "$server"
  wait "$server" 2>/dev/null || true
  [ $status -eq 0 ] || exit $status
done

command -v sway >/dev/null || exit 0
echo "Wayland (sway, headless):"
python3 - "$bench" <<'PYTHON'
import shutil, subprocess, sys
sys.path.insert(0, "tests/sdl")
from waylandsession import WaylandSession
with WaylandSession() as session:
    shutil.copytree("datas", session.work + "/datas")
    bench = session.start([session.install(sys.argv[1])], cwd=session.work)
    sys.exit(bench.wait())
PYTHON
