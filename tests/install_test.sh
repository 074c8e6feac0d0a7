#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the installed demo-capture, run
# from a folder without datas/, reads the images installed with it and draws
# the same frames as the build's own run from the project root; moved with
# its prefix it still finds them; the build's own program run from that
# folder still finds none.
# Arguments: cmake, the build folder, the build's demo-capture (or its
# launcher), the project root, then any emulator command to run the
# installed program with.
set -u
. "$(dirname "$0")/checks.sh"
cmake=$1 build=$2 capture=$3 root=$4
shift 4
emulator=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
check "zarn-demo installed" test -x "$work/prefix/bin/zarn-demo"
check "five images installed" test "$(ls "$work/prefix/share/zarn-demo/datas" | wc -l)" -eq 5
(cd "$root" && "$capture" --frames 40 --frame-ms 37 --out "$work/tree.raw")

mkdir "$work/empty"
cd "$work/empty"
"${emulator[@]}" "$work/prefix/bin/zarn-demo-capture" --frames 40 --frame-ms 37 --out "$work/installed.raw" 2>"$work/err"
check "installed program exits 0" test $? -eq 0
check "it says nothing of its images: $(head -c 200 "$work/err")" test ! -s "$work/err"
check "its frames equal the build's" cmp -s "$work/tree.raw" "$work/installed.raw"

mv "$work/prefix" "$work/moved"
"${emulator[@]}" "$work/moved/bin/zarn-demo-capture" --frames 40 --frame-ms 37 --out "$work/moved.raw" 2>"$work/err"
check "moved with its prefix, the same frames" cmp -s "$work/tree.raw" "$work/moved.raw"

"$capture" --out /dev/null 2>"$work/err"
check "the build's own program finds no images here" grep -q "no datas/ folder in $work/empty" "$work/err"

checks_done
