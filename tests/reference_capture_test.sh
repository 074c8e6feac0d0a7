#!/usr/bin/env bash
# demo-capture against reference-capture, the same frames drawn and encoded
# literally: byte for byte alike in raw and PPM output, across the clock's
# wrap and the alternate picture's blinking. Arguments: the two programs and
# the folder holding datas/.
set -euo pipefail
capture=$1
reference=$2
cd "$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for format in raw ppm; do
  options=(--frames 12 --start-ms 4294966000 --frame-ms 170 --format "$format")
  "$capture" "${options[@]}" --out "$work/fast.$format"
  "$reference" "${options[@]}" --out "$work/literal.$format"
  cmp "$work/fast.$format" "$work/literal.$format"
  echo "ok: $format frames alike"
done
