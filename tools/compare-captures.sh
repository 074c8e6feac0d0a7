#!/usr/bin/env bash
# Checks that two builds of demo-capture (say the native one and the
# Windows one under Wine) draw the same frames from the same images and
# clock, and names the frames that differ.
#   compare-captures.sh COMMAND_A -- COMMAND_B
# Each command is the program with any launcher in front of it. Run from
# the folder whose datas/ holds the images.
set -euo pipefail
first=()
while [ "$1" != -- ]; do first+=("$1"); shift; done
shift
second=("$@")
frame_bytes=$((240 * 240 * 4))

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# A clock from 0 in small steps, one that wraps at 2^32 in large ones, and
# the PPM encoding through standard output.
for arguments in "--frames 600 --frame-ms 13" "--frames 300 --start-ms 4294000000 --frame-ms 99991" \
  "--frames 20 --format ppm"; do
  # shellcheck disable=SC2086 # the arguments are words
  "${first[@]}" $arguments --out "$work/a" && "${second[@]}" $arguments --out - >"$work/b"
  if cmp -s "$work/a" "$work/b"; then
    echo "same frames: $arguments"
    continue
  fi
  failures=$((failures + 1))
  echo "DIFFERENT frames: $arguments"
  if [[ $arguments != *ppm* ]]; then
    cmp -l "$work/a" "$work/b" 2>/dev/null | awk -v size="$frame_bytes" \
      '{ frame = int(($1 - 1) / size); count[frame]++ } END { for (f in count) print "  frame " f ": " count[f] " bytes differ" }' |
      sort -n -k2 | head -n 20
  fi
done
[ "$failures" -eq 0 ]
