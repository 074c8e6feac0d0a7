#!/usr/bin/env bash
# Times demo-capture against reference-capture, whole processes on the same
# frames written to /dev/null, for raw and PPM output: the processor time
# (user and system) of each process over its frames, the median of five runs
# of each, the two taking turns so that a busy moment of the machine falls on
# both alike. Arguments: the folder of the two programs (default build/bin)
# and the number of frames (default 4000).
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
frames=${2:-4000}
cd "$(dirname "$0")/.." # datas/ is read from the current directory

# Processor seconds of one run of the command.
seconds() {
  local TIMEFORMAT='%3U %3S' times
  times=$( { time "$@" >/dev/null; } 2>&1 )
  awk '{ print $1 + $2 }' <<<"$times"
}

median() {
  printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"
}

for format in raw ppm; do
  options=(--frames "$frames" --frame-ms 16 --format "$format" --out /dev/null)
  fast=() literal=()
  for run in 1 2 3 4 5; do
    fast+=("$(seconds "$bin/demo-capture" "${options[@]}")")
    literal+=("$(seconds "$bin/reference-capture" "${options[@]}")")
  done
  awk -v f="$format" -v n="$frames" -v fast="$(median "${fast[@]}")" -v literal="$(median "${literal[@]}")" 'BEGIN {
    printf "%s: demo-capture %.1f us a frame, reference-capture %.1f us a frame: %.1fx\n",
      f, fast * 1e6 / n, literal * 1e6 / n, literal / fast }'
done
