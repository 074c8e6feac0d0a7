#!/usr/bin/env bash
# Draws a contact sheet of the demo over a whole cycle of its animation, each
# frame at twice its size and labelled with its clock:
#   tools/contact-sheet.sh [OUT.png] [DEMO_CAPTURE]
# (defaults sheet.png and build/bin/demo-capture). Run from the project root,
# whose datas/ holds the images. The frames come from one run of 20 ms steps,
# so the fountain moves as it does at 50 frames a second. The chosen moments
# show the picture at both ends of its swing on each axis (near +-60 pixels),
# the face blinked in and out, and the tint at its blue and its olive end.
set -euo pipefail
out=${1:-sheet.png}
capture=${2:-build/bin/demo-capture}
step_ms=20
# Milliseconds of clock: tint olive at 1000, 7000 and 9000, blue at 2000 and
# 8000; horizontal offset +59 at 1740, -59 at 5240; vertical +59 at 1300 and
# 6540, -59 at 3920; the face shows in the second 0.8 s of every 1.6 s
# (1000, 1300, 2600, 4500, 5800, 7700, 9000).
moments=(400 1000 1300 1740 2000 2600 3200 3920 4500 5240 5800 6540 7000 7700 8000 9000)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
last=${moments[-1]}
"$capture" --frames $((last / step_ms + 1)) --frame-ms "$step_ms" --format png --out "$work/frame_%05d.png"

# Frame k reads the clock at (k + 1) steps and moves the picture and the
# light by the clock of the frame before, k steps.
picked=()
for ms in "${moments[@]}"; do
  frame=$(printf '%05d' $((ms / step_ms)))
  convert "$work/frame_$frame.png" -scale 200% "$work/pick_$frame.png"
  picked+=(-label "$(awk -v ms="$ms" 'BEGIN { printf "%.2f s", ms / 1000 }')" "$work/pick_$frame.png")
done
montage "${picked[@]}" -tile 4x -geometry +4+4 -background '#202020' -fill '#d0d0d0' -pointsize 18 "$out"
echo "$out"
