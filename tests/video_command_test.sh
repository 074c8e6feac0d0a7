#!/usr/bin/env bash
# The README's video command, run as it stands there (with this build's
# demo-capture): the video lasts as long as the frames at the capture's
# clock, and is H.264 in 4:2:0, the pixel format browsers play.
# Arguments: the demo-capture binary and the project folder.
set -euo pipefail
capture=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command=$(grep -E '^build/bin/demo-capture .*\| *ffmpeg ' "$root/README.md")
[ "$(wc -l <<<"$command")" -eq 1 ] || { echo "FAILED: the README has no single video command"; exit 1; }
echo "the README's command: $command"
frames=$(grep -oE -- '--frames [0-9]+' <<<"$command" | cut -d' ' -f2)
frame_ms=$(grep -oE -- '--frame-ms [0-9]+' <<<"$command" | cut -d' ' -f2 || echo 20)
video=$(grep -oE '[^ ]+\.mp4$' <<<"$command")

ln -s "$root/datas" "$work/datas"
# ffmpeg 5's PPM parser logs "Invalid maxval" when a read from the pipe
# ends inside a header, although every frame decodes exactly: fatal only.
(cd "$work" && bash -c "${command/build\/bin\/demo-capture/\"$capture\"} -loglevel fatal")

failures=0
probe() { ffprobe -v error -select_streams v:0 -show_entries "$1" -of default=noprint_wrappers=1:nokey=1 "$work/$video"; }
expected=$(awk -v n="$frames" -v d="$frame_ms" 'BEGIN { printf "%.3f", n * d / 1000 }')
duration=$(probe format=duration)
echo "duration $duration s for $frames frames of $frame_ms ms (expected $expected s)"
awk -v a="$duration" -v b="$expected" 'BEGIN { exit !(a - b < 0.05 && b - a < 0.05) }' || failures=$((failures + 1))
for entry in "stream=codec_name h264" "stream=pix_fmt yuv420p" "stream=width 240" "stream=nb_frames $frames"; do
  read -r name want <<<"$entry"
  got=$(probe "$name")
  if [ "$got" = "$want" ]; then echo "ok: $name $got"; else echo "FAILED: $name $got, not $want"; failures=$((failures + 1)); fi
done
[ $failures -eq 0 ]
