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

"$wine_run" "$bin/demo-capture.exe" --frames 1000000 --out "Z:$work/frames.raw" 2>"$work/err" &
capture=$!
for _ in $(seq 300); do
  compgen -G "$work/frames.raw.part-*" >/dev/null && break
  sleep 0.1
done
if ! compgen -G "$work/frames.raw.part-*" >/dev/null; then
  echo "FAILED: no temporary file appeared"; kill -9 "$capture"; exit 1
fi
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
