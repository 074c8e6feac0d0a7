#!/usr/bin/env bash
# demo-capture as a user runs it: exit codes, what reaches standard output,
# and no partial output left behind. Arguments: the demo-capture binary and
# the folder holding datas/.
set -u
capture=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"
failures=0
passes=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

"$capture" --frames 2 --out "$work/two.raw" 2>"$work/err"
check "two raw frames exit 0" test $? -eq 0
check "two raw frames are 2 x 57600 words" test "$(stat -c %s "$work/two.raw")" -eq 460800
check "nothing on standard error" test ! -s "$work/err"
check "no temporary file left" test ! -e "$work/two.raw.part"

"$capture" --frames 2 --out - >"$work/stdout.raw"
check "raw to standard output equals the file" cmp -s "$work/stdout.raw" "$work/two.raw"

"$capture" --frames 3 --frame-ms 0 --out "$work/still.raw"
check "frame interval 0 is accepted" test "$(stat -c %s "$work/still.raw")" -eq 691200

"$capture" --frames 2 --format ppm --out - >"$work/two.ppm"
check "ppm stream holds two images" test "$(head -c 15 "$work/two.ppm" | tr '\n' ' ')$(tail -c +172816 "$work/two.ppm" | head -c 15 | tr '\n' ' ')" = "P6 240 240 255 P6 240 240 255 "
check "ppm stream size" test "$(stat -c %s "$work/two.ppm")" -eq $((2 * (15 + 172800)))

"$capture" --frames 2 --format png --out "$work/shot_%02d.png"
check "png files are numbered from 0" test -s "$work/shot_00.png" -a -s "$work/shot_01.png"
check "png signature" test "$(head -c 4 "$work/shot_00.png" | od -An -c | tr -d ' ')" = "211PNG"

out=$("$capture" --frames 0 2>"$work/err")
code=$?
check "N < 1 is a usage error (2)" test $code -eq 2
check "usage error prints nothing on standard output" test -z "$out"
check "usage error says why and shows usage" grep -q "^usage:" "$work/err"
check "usage error message is one line before usage" test "$(head -n1 "$work/err" | grep -c '^demo-capture: ')" -eq 1

"$capture" --bogus 2>/dev/null
check "unknown option is a usage error (2)" test $? -eq 2

"$capture" --out "$work/missing/dir/x.raw" 2>/dev/null
check "unwritable output is an error" test $? -ne 0
check "no file claimed for an unwritable output" test ! -e "$work/missing"

if [ -w /dev/full ]; then
  "$capture" --frames 2 --out - >/dev/full 2>"$work/err"
  check "a full device fails with code 1" test $? -eq 1
  check "the failure is reported" test -s "$work/err"
fi

# Devices and pipes are written as they are, never replaced by a file.
"$capture" --frames 2 --out /dev/null
check "/dev/null takes the frames" test $? -eq 0
check "/dev/null stays a device" test -c /dev/null
mkfifo "$work/pipe"
timeout 30 cat "$work/pipe" >"$work/from_pipe" &
"$capture" --frames 2 --out "$work/pipe"
wait
check "a named pipe takes the frames" cmp -s "$work/from_pipe" "$work/two.raw"
check "the pipe stays a pipe" test -p "$work/pipe"

# Through a link, the file it names is replaced and the link stays.
echo old >"$work/target.raw"
ln -s target.raw "$work/link.raw"
"$capture" --frames 2 --out "$work/link.raw"
check "a link stays a link" test -L "$work/link.raw"
check "the linked file holds the frames" cmp -s "$work/target.raw" "$work/two.raw"

ln -s /nonexistent/dir/target "$work/dangling"
"$capture" --out "$work/dangling/x.raw" 2>/dev/null
check "output under a dangling link fails" test $? -ne 0

echo "$passes passed, $failures failed"
test $failures -eq 0
