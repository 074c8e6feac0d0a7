#!/usr/bin/env bash
# demo-capture as a user runs it: exit codes, what reaches standard output
# and standard error, image files it cannot read, and no partial output or
# temporary file left behind, whatever else writes or lies in the folder.
# Arguments: the demo-capture binary and the folder holding datas/.
set -u
. "$(dirname "$0")/checks.sh"
capture=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"

"$capture" --frames 2 --out "$work/two.raw" 2>"$work/err"
check "two raw frames exit 0" test $? -eq 0
check "two raw frames are 2 x 57600 words" test "$(stat -c %s "$work/two.raw")" -eq 460800
check "nothing on standard error" test ! -s "$work/err"
check "no temporary file left" test -z "$(ls "$work" | grep part)"

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

# --version: the project's version from CMakeLists.txt, alone on standard output.
version=$(sed -n 's/^project(ZarnDemo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
out=$("$capture" --version 2>"$work/err")
check "--version exits 0" test $? -eq 0
check "--version prints 'demo-capture $version' ($out)" test -n "$version" -a "$out" = "demo-capture $version"
check "--version prints nothing on standard error" test ! -s "$work/err"

# An output that cannot be opened: one line and code 1, in every format.
for format in raw ppm png; do
  out=$("$capture" --format $format --out "$work/missing/dir/x.$format" 2>"$work/err")
  code=$?
  check "unwritable $format output fails with code 1 ($code)" test $code -eq 1
  check "unwritable $format output is one line: $(head -c 120 "$work/err")" \
    test "$(wc -l <"$work/err")" -eq 1 -a -z "$out"
  check "it names the path" grep -q "^demo-capture: cannot write '$work/missing/dir/x.$format': " "$work/err"
done
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

# A replaced file keeps its permission bits; a new one gets the umask's.
echo old >"$work/kept.raw"
chmod 640 "$work/kept.raw"
"$capture" --out "$work/kept.raw"
check "a replaced file keeps mode 640" test "$(stat -c %a "$work/kept.raw")" = 640
check "and holds the frame" test "$(stat -c %s "$work/kept.raw")" -eq 230400
(umask 027 && "$capture" --out "$work/new.raw")
check "a new file gets mode 640 under umask 027" test "$(stat -c %a "$work/new.raw")" = 640

# A link planted where a temporary file could be: never written through.
echo precious >"$work/victim"
ln -s victim "$work/planted.raw.part"
"$capture" --frames 2 --out "$work/planted.raw"
check "a planted .part link leaves its target alone" grep -qx precious "$work/victim"
check "the output is written all the same" cmp -s "$work/planted.raw" "$work/two.raw"
check "the planted link stays a link" test -L "$work/planted.raw.part"

# Two captures at once to one path: both succeed and one whole file is left.
"$capture" --frames 60 --out "$work/expected60.raw"
"$capture" --frames 60 --out "$work/shared.raw" &
first=$!
"$capture" --frames 60 --out "$work/shared.raw" &
second=$!
wait $first
first_code=$?
wait $second
second_code=$?
check "both captures to one path succeed ($first_code, $second_code)" test $first_code -eq 0 -a $second_code -eq 0
check "the file they share is whole" cmp -s "$work/shared.raw" "$work/expected60.raw"
check "neither left its temporary file" test -z "$(ls "$work" | grep '^shared.raw.part')"

# Interrupted mid-capture: the temporary file goes, the signal ends the run
# (SIGQUIT with no core file).
mkdir "$work/interrupted"
ulimit -c 0
for signal in INT TERM HUP QUIT; do
  set -m # a job of its own, so that SIGINT is not ignored as in a background job
  "$capture" --frames 4000000000 --out "$work/interrupted/long.raw" &
  pid=$!
  set +m
  for _ in $(seq 100); do
    [ -n "$(ls "$work/interrupted")" ] && break
    sleep 0.05
  done
  check "SIG$signal: the temporary file is there while it runs" test -n "$(ls "$work/interrupted")"
  kill -s $signal $pid
  for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.05
  done
  kill -s KILL $pid 2>/dev/null # one that ignored the signal must not fill the disk
  wait $pid 2>/dev/null # not the shell's own report of the signal
  code=$?
  check "SIG$signal ends it as the signal does ($code)" test $code -eq $((128 + $(kill -l $signal)))
  check "SIG$signal leaves no file behind" test -z "$(ls "$work/interrupted")"
done

# Interrupted the moment its temporary file appears, between the file's
# creation and the rest of the set-up: ten times, never left behind.
mkdir "$work/early"
left=0
for _ in $(seq 10); do
  "$capture" --frames 4000000000 --out "$work/early/long.raw" 2>/dev/null &
  pid=$!
  while [ -z "$(ls "$work/early")" ] && kill -0 $pid 2>/dev/null; do :; done
  kill -s HUP $pid
  wait $pid 2>/dev/null
  [ -z "$(ls "$work/early")" ] || left=$((left + 1))
  rm -f "$work/early"/*
done
check "interrupted as its file appears, none left behind ($left of 10)" test $left -eq 0

# Image files that cannot be read: the frames the failure rules give, and one
# line each on standard error; standard output carries only the frames.
mkdir -p "$work/hostile/datas"
cp "$root"/datas/cite_des_sciences.raw "$root"/datas/cite_des_sciences_smile.raw "$work/hostile/datas/"
head -c 12188 "$root/datas/flare.raw" >"$work/hostile/datas/flare.raw"
mkdir "$work/hostile/datas/normal_map.raw"
mkfifo "$work/hostile/datas/particule.raw"
# A FIFO with no writer must not hold the capture: timeout ends it otherwise.
(cd "$work/hostile" && timeout 20 "$capture" --frames 2 --out - >"$work/hostile.raw" 2>"$work/err")
code=$?
check "a FIFO with no writer does not block ($code)" test $code -eq 0
check "standard output holds the two frames" test "$(stat -c %s "$work/hostile.raw")" -eq 460800
cat >"$work/expected_err" <<EOF
demo-capture: cannot read datas/normal_map.raw: not a regular file; it is drawn black
demo-capture: datas/flare.raw is short by 100 of its 12288 bytes; they read as 0xFF
demo-capture: cannot read datas/particule.raw: not a regular file; it is drawn black
EOF
check "one line for each unreadable or short file" diff "$work/expected_err" "$work/err"
rm -r "$work/hostile/datas/normal_map.raw" "$work/hostile/datas/particule.raw"
(cd "$work/hostile" && "$capture" --frames 2 --out /dev/null 2>"$work/err")
cat >"$work/expected_err" <<EOF
demo-capture: cannot read datas/normal_map.raw: missing; it is drawn black
demo-capture: datas/flare.raw is short by 100 of its 12288 bytes; they read as 0xFF
demo-capture: cannot read datas/particule.raw: missing; it is drawn black
EOF
check "a missing file is named as missing" diff "$work/expected_err" "$work/err"

# Permission is refused only to another user than root: run as nobody then.
chmod 755 "$work" "$work/hostile" "$work/hostile/datas"
cp "$root/datas/normal_map.raw" "$root/datas/particule.raw" "$work/hostile/datas/"
chmod 000 "$work/hostile/datas/normal_map.raw"
cp "$capture" "$work/capture-copy"
as_other=()
[ "$(id -u)" -ne 0 ] || as_other=(setpriv --reuid=65534 --regid=65534 --clear-groups)
(cd "$work/hostile" && "${as_other[@]}" "$work/capture-copy" --out /dev/null 2>"$work/err")
cat >"$work/expected_err" <<EOF
demo-capture: cannot read datas/normal_map.raw: permission denied; it is drawn black
demo-capture: datas/flare.raw is short by 100 of its 12288 bytes; they read as 0xFF
EOF
check "a file it may not read says so" diff "$work/expected_err" "$work/err"

# Run from a folder without datas/: one line says where the images are read.
mkdir "$work/elsewhere"
(cd "$work/elsewhere" && "$capture" --out - >"$work/black.raw" 2>"$work/err")
check "without datas/ the capture still succeeds" test $? -eq 0
check "one line says where the images are looked for: $(cat "$work/err")" test "$(cat "$work/err")" = \
  "demo-capture: no datas/ folder in $work/elsewhere: the images are read from datas/ under the current directory; all are drawn black"

checks_done
