#!/usr/bin/env bash
# demo-capture with scarce memory: for each format, the lowest address-space
# limit (ulimit -v) under which a capture works is found, then the capture
# runs again at each limit 256 KB below it down to where the system's loader
# cannot even map the program. Every run must end with code 0 or 1 (never a
# signal), print at most one line ("demo-capture: out of memory allocating
# ..."), and leave no temporary file, nor a raw or PPM file from a failed run.
# Arguments: the demo-capture binary, the folder holding datas/, and the kind
# of build: "plain", else "sanitized" or "emulated", whose shadow memory or
# emulator no such limit leaves room for.
set -u
if [ "${3:-plain}" != plain ]; then
  echo "skipped: this $3 build needs more address space than any limit here"
  exit 77
fi
capture=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"
failures=0
runs=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# One capture of three frames under limit KB: sets code, and err to its
# standard error.
capture_under() { # format, limit
  rm -rf "$work/out"
  mkdir "$work/out"
  local name="$work/out/frames.$1"
  [ "$1" = png ] && name="$work/out/frame_%d.png"
  (ulimit -v "$2" && exec "$capture" --frames 3 --format "$1" --out "$name") >/dev/null 2>"$work/err"
  code=$?
  runs=$((runs + 1))
}

# The system's loader, before the program runs, ends with code 127 and its
# own words: that it could not map a library or set up the first thread.
loader_failed() {
  [ $code -eq 127 ] && ! grep -q "^demo-capture:" "$work/err"
}

for format in raw ppm png; do
  # The lowest working limit, to 64 KB, between one far too small and one
  # that must do.
  low=1024
  high=65536
  capture_under $format $high
  if [ $code -ne 0 ]; then
    fail "$format: no capture under $high KB ($code: $(cat "$work/err"))"
    continue
  fi
  while [ $((high - low)) -gt 64 ]; do
    middle=$(((low + high) / 2))
    capture_under $format $middle
    if [ $code -eq 0 ]; then high=$middle; else low=$middle; fi
  done
  lowest=$high
  swept=0
  limit=$lowest
  while [ $limit -gt 1024 ]; do
    capture_under $format $limit
    loader_failed && break
    swept=$((swept + 1))
    lines=$(wc -l <"$work/err")
    what="$format under $limit KB"
    [ $code -eq 0 ] || [ $code -eq 1 ] || fail "$what ends with code $code: $(head -c 300 "$work/err")"
    [ "$lines" -le 1 ] || fail "$what prints $lines lines: $(head -c 300 "$work/err")"
    if [ "$lines" -eq 1 ] && ! grep -Eq '^demo-capture: out of memory allocating [a-zA-Z]' "$work/err"; then
      fail "$what says: $(cat "$work/err")"
    fi
    [ $code -eq 0 ] || [ "$lines" -eq 1 ] || fail "$what fails without a word"
    left=$(ls "$work/out" | grep part)
    [ -z "$left" ] || fail "$what leaves $left"
    if [ $code -ne 0 ] && [ $format != png ] && [ -e "$work/out/frames.$format" ]; then
      fail "$what leaves a file from a failed run"
    fi
    limit=$((limit - 256))
  done
  echo "$format: works from $lowest KB; $swept limits swept, down to $((limit + 256)) KB; below that the loader stops"
  [ $swept -ge 4 ] || fail "$format: only $swept limits could be swept"
done

echo "$runs runs, $failures failed"
[ $failures -eq 0 ]
