#!/usr/bin/env bash
# demo-capture in hostile surroundings: names as long as the file system
# takes, names holding control characters, and closed consoles.
# Arguments: the demo-capture binary, the folder holding datas/, and
# "sanitized" for a sanitizer build.
set -u
. "$(dirname "$0")/checks.sh"
capture=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"
frame_bytes=230400
name_max=$(getconf NAME_MAX "$work")

# Every length of name the folder takes, up to its limit, is written and then
# replaced; none leaves a temporary file.
mkdir "$work/long"
for length in $(seq $((name_max - 12)) "$name_max"); do
  name=$(printf 'n%.0s' $(seq "$length"))
  "$capture" --out "$work/long/$name" 2>"$work/err"
  code=$?
  check "a $length-byte name is written ($code: $(head -c 300 "$work/err"))" \
    test $code -eq 0 -a "$(stat -c %s "$work/long/$name" 2>/dev/null)" = $frame_bytes
  echo old >"$work/long/$name"
  "$capture" --frames 2 --out "$work/long/$name" 2>"$work/err"
  code=$?
  check "a $length-byte name is replaced ($code: $(head -c 300 "$work/err"))" \
    test $code -eq 0 -a "$(stat -c %s "$work/long/$name")" = $((2 * frame_bytes))
  rm -f "$work/long/$name"
done
check "no temporary file left by long names: $(ls "$work/long" | head -c 300)" test -z "$(ls "$work/long")"

# A longest name of two-byte characters, and one byte short of it: the
# temporary name is never cut inside a character, so both are written.
for length in "$name_max" $((name_max - 1)); do
  base=$((length - 1)) # the frame number's digit makes the rest
  name=$(printf '\xc3\xa9%.0s' $(seq $((base / 2))))$( [ $((base % 2)) -eq 1 ] && printf x)
  "$capture" --format png --frames 2 --out "$work/long/${name}%d" 2>"$work/err"
  check "PNG frames under $length-byte UTF-8 names ($(head -c 200 "$work/err"))" \
    test -s "$work/long/${name}0" -a -s "$work/long/${name}1"
done
check "no temporary file left by UTF-8 names" test "$(ls "$work/long" | wc -l)" -eq 4

# A name past the limit: one line, the system's reason, code 1.
name=$(printf 'n%.0s' $(seq $((name_max + 1))))
"$capture" --out "$work/$name" 2>"$work/err"
check "a name past the limit fails with code 1" test $? -eq 1
check "in one line naming it: $(head -c 80 "$work/err")" test "$(wc -l <"$work/err")" -eq 1 -a \
  "$(cat "$work/err")" = "demo-capture: cannot write '$work/$name': File name too long"

# Control characters in a name are shown escaped, the message one line.
"$capture" --out "$work/no such"$'\n'"folder"$'\t\x1b'"/x.raw" 2>"$work/err"
check "a name with control characters that cannot be written fails with code 1" test $? -eq 1
check "its message is one line with them escaped: $(cat "$work/err")" test "$(cat "$work/err")" = \
  "demo-capture: cannot write '$work/no such\\x0afolder\\x09\\x1b/x.raw': No such file or directory"
"$capture" --format png --out "$work/bad"$'\r'"%s" 2>"$work/err"
check "an option's value is escaped too: $(cat "$work/err" | head -n1)" test "$(head -n1 "$work/err")" = \
  "demo-capture: --out '$work/bad\\x0d%s' must hold at most one integer conversion such as %04d"
"$capture" --out "$work/ok"$'\n'".raw"
check "a name with a line feed is written as given" test -s "$work/ok"$'\n'".raw"

# Closed consoles: no file the capture opens takes their numbers, so what it
# says about a missing datas/ never lands in the frames.
mkdir "$work/nodatas"
(cd "$work/nodatas" && "$capture" --out "$work/closed-err.raw" 2>&-)
check "with standard error closed the file holds only the frame" \
  test "$(stat -c %s "$work/closed-err.raw")" -eq $frame_bytes
(cd "$work/nodatas" && "$capture" --frames 2 --format ppm --out "$work/closed-all.ppm" <&- >&- 2>&-)
check "with every console closed the file holds only the frames" \
  test "$(stat -c %s "$work/closed-all.ppm")" -eq $((2 * (15 + 172800)))

# Out of memory with the temporary file open: the exit handler removes it,
# reading nothing that the program's end has already destroyed. Only a
# sanitizer build can refuse the allocation and see such a read.
if [ "${3:-}" = sanitized ]; then
  mkdir "$work/scarce"
  ASAN_OPTIONS=allocator_may_return_null=1:max_allocation_size_mb=1 \
    "$capture" --out "$work/scarce/a-name-longer-than-a-short-string.raw" 2>"$work/err"
  code=$?
  grep -v "WARNING: AddressSanitizer failed to allocate" "$work/err" >"$work/said"
  check "out of memory with the file open ends with code 1 ($code)" test $code -eq 1
  check "in one line naming demo-capture: $(head -c 300 "$work/said")" \
    test "$(wc -l <"$work/said")" -eq 1 -a -n "$(grep '^demo-capture: out of memory allocating ' "$work/said")"
  check "and leaves no file: $(ls "$work/scarce")" test -z "$(ls "$work/scarce")"
fi

checks_done
