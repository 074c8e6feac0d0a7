#!/usr/bin/env bash
# Times demo-capture against reference-capture, whole processes on the same
# frames written to /dev/null, for raw and PPM output: the processor time
# (user and system) of each process over its frames, the median of three
# runs. Arguments: the folder of the two programs (default build/bin) and
# the number of frames (default 2000).
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
frames=${2:-2000}
cd "$(dirname "$0")/.." # datas/ is read from the current directory

# Processor seconds of one run of the command.
seconds() {
  local TIMEFORMAT='%3U %3S' times
  times=$( { time "$@" >/dev/null; } 2>&1 )
  awk '{ print $1 + $2 }' <<<"$times"
}

median_of_three() {
  local a b c
  a=$(seconds "$@"); b=$(seconds "$@"); c=$(seconds "$@")
  printf '%s\n%s\n%s\n' "$a" "$b" "$c" | sort -g | sed -n 2p
}

for format in raw ppm; do
  options=(--frames "$frames" --frame-ms 16 --format "$format" --out /dev/null)
  fast=$(median_of_three "$bin/demo-capture" "${options[@]}")
  literal=$(median_of_three "$bin/reference-capture" "${options[@]}")
  awk -v f="$format" -v n="$frames" -v fast="$fast" -v literal="$literal" 'BEGIN {
    printf "%s: demo-capture %.1f us a frame, reference-capture %.1f us a frame: %.1fx\n",
      f, fast * 1e6 / n, literal * 1e6 / n, literal / fast }'
done
