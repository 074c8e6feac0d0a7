#!/usr/bin/env bash
# Draws the README's pictures from the demo's own frames:
#   docs/preview.gif: the first 2.8 s of the demo, 28 frames 100 ms apart at
#     twice their size (one fountain step a frame, as at 10 frames a second);
#   docs/frames.png: three of those frames, 0.6 s apart, side by side.
#   tools/make-preview.sh [DEMO_CAPTURE]   (default build/bin/demo-capture)
# Run from the project root, whose datas/ holds the images.
set -euo pipefail
capture=${1:-build/bin/demo-capture}

"$capture" --frames 28 --frame-ms 100 --format ppm --out - |
  ffmpeg -loglevel error -y -f image2pipe -c:v ppm -framerate 10 -i - \
    -vf "scale=480:480:flags=neighbor,split[a][b];[a]palettegen=max_colors=128[p];[b][p]paletteuse=dither=none" \
    -loop 0 docs/preview.gif

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$capture" --frames 25 --frame-ms 100 --format png --out "$work/frame_%02d.png"
convert "$work/frame_12.png" "$work/frame_18.png" "$work/frame_24.png" +append +repage docs/frames.png
