#!/usr/bin/env bash
# Checks that two builds of demo-capture (say the native one and the
# Windows one under Wine) draw the same frames from the same images and
# clock, and names the frames that differ.
#   compare-captures.sh COMMAND_A -- COMMAND_B
# Each command is the program with any launcher in front of it. Run from
# the folder whose datas/ holds our images; the script also draws from
# random images, from files cut short and from no files at all.
set -euo pipefail
# The programs run in other folders: words that name files become absolute.
absolute() { if [ -e "$1" ]; then realpath "$1"; else printf '%s\n' "$1"; fi; }
first=()
while [ "$1" != -- ]; do first+=("$(absolute "$1")"); shift; done
shift
second=()
for word in "$@"; do second+=("$(absolute "$word")"); done
frame_bytes=$((240 * 240 * 4))
ours=$PWD/datas

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
names=(cite_des_sciences cite_des_sciences_smile normal_map flare particule)
mkdir -p "$work/ours" "$work/random/datas" "$work/short/datas" "$work/missing/datas"
ln -s "$ours" "$work/ours/datas"
# Random bytes from a fixed seed, so that a difference can be drawn again.
python3 - "$work/random/datas" <<'EOF'
import random, sys
generator = random.Random(12)
for name, size in [("cite_des_sciences", 240), ("cite_des_sciences_smile", 240), ("normal_map", 240),
                   ("flare", 64), ("particule", 32)]:
    with open(f"{sys.argv[1]}/{name}.raw", "wb") as image:
        image.write(generator.randbytes(size * size * 3))
EOF
# Our images cut inside a pixel, one byte short, in mid-row, empty and
# after a few rows: the missing bytes read as 0xFF.
lengths=(100001 172799 57601 0 1537)
for i in "${!names[@]}"; do
  head -c "${lengths[$i]}" "$ours/${names[$i]}.raw" >"$work/short/datas/${names[$i]}.raw"
done

failures=0
compare() { # the image set, then demo-capture's arguments
  local images=$1
  shift
  (cd "$work/$images" && "${first[@]}" "$@" --out "$work/a" && "${second[@]}" "$@" --out - >"$work/b")
  if cmp -s "$work/a" "$work/b"; then
    echo "same frames: $images $*"
    return
  fi
  failures=$((failures + 1))
  echo "DIFFERENT frames: $images $*"
  if [[ $* != *ppm* ]]; then
    cmp -l "$work/a" "$work/b" 2>/dev/null | awk -v size="$frame_bytes" \
      '{ frame = int(($1 - 1) / size); count[frame]++ } END { for (f in count) print "  frame " f ": " count[f] " bytes differ" }' |
      sort -n -k2 | head -n 20
  fi
}

# A clock from 0 in small steps, one that wraps at 2^32 in large ones, the
# largest steps (elapsed times of weeks, then negative), and the PPM
# encoding through standard output.
compare ours --frames 600 --frame-ms 13
compare ours --frames 300 --start-ms 4294000000 --frame-ms 99991
compare ours --frames 40 --start-ms 12345 --frame-ms 2147483647
compare ours --frames 20 --format ppm
# The other images through a wrap at 2^32 in steps that blink the
# alternate picture in and out, and through the largest steps.
for images in random short missing; do
  compare $images --frames 120 --start-ms 4294966000 --frame-ms 17
  compare $images --frames 20 --frame-ms 2147483647
done
[ "$failures" -eq 0 ]
