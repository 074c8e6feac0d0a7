#!/usr/bin/env bash
# demo-capture.exe under Wine, interrupted by Ctrl+C (Wine turns SIGINT into
# the console's Ctrl+C event) while it writes a file: the temporary file goes
# with it and no file takes the final name.
#   capture-interrupt-test.sh BIN_DIR DATAS_PARENT
set -uo pipefail
bin=$(cd "$1" && pwd)
wine_run=$(dirname "$bin")/wine-run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$2"

# Starts the capture and waits for its temporary file. A Wine that dies while
# starting, before the program has said anything, gets one more try; a
# capture that ends on its own or never writes fails the test.
start_capture() {
  "$wine_run" "$bin/demo-capture.exe" --frames 1000000 --out "Z:$work/frames.raw" 2>"$work/err" &
  capture=$!
  for _ in $(seq 300); do
    compgen -G "$work/frames.raw.part-*" >/dev/null && return 0
    kill -0 "$capture" 2>/dev/null || break
    sleep 0.1
  done
  compgen -G "$work/frames.raw.part-*" >/dev/null && return 0
  if kill -0 "$capture" 2>/dev/null; then
    echo "FAILED: no temporary file appeared in 30 s"; kill -9 "$capture"; cat "$work/err"; exit 1
  fi
  wait "$capture"
  status=$?
  if grep -q "^demo-capture:" "$work/err"; then
    echo "FAILED: the capture ended with status $status before writing:"; cat "$work/err"; exit 1
  fi
  echo "Wine ended with status $status before the capture started:"; cat "$work/err"
  return 1
}
start_capture || start_capture || { echo "FAILED: Wine did not start the capture twice"; exit 1; }

kill -INT "$capture"
for _ in $(seq 100); do kill -0 "$capture" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$capture" 2>/dev/null; then
  echo "FAILED: Ctrl+C did not end the capture"; kill -9 "$capture"; exit 1
fi
left=$(ls "$work" | grep -v '^err$')
if [ -n "$left" ]; then
  echo "FAILED: files left behind: $left"; exit 1
fi
echo "ok: Ctrl+C removes the temporary file and leaves no output"
