#!/usr/bin/env bash
# Checks the packages that tools/release.sh made in dist/, as their users
# get them, against build/bin/demo-capture of the native build:
# - SHA256SUMS holds every package and matches it;
# - the x86-64 .deb: lintian reports no error, dpkg installs it, the
#   installed zarn-demo-capture run from an empty folder draws the build's
#   frames exactly, and removing and purging it leaves no file behind;
# - the .tar.gz and .zip hold the programs and images and nothing else; the
#   x86-64 .tar.gz unpacked anywhere draws the same frames;
# - the Windows .zip unpacked into an empty folder: demo-capture.exe under
#   Wine (build-windows/wine-run.sh), from another folder, draws the same
#   frames; README.txt has CR LF line ends;
# - the ARM64 packages hold ARM64 programs, run under qemu-user;
# - the web .zip unpacked and served passes the page's tests.
# Runs as root (CI), or with sudo for dpkg.
set -euo pipefail
. "$(dirname "$0")/../checks.sh"
cd "$(dirname "$0")/../.."
root=$PWD
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
version=$(sed -n 's/^project(ZarnDemo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
tree_capture=$root/build/bin/demo-capture
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
same_lines() { [ "$1" = "$2" ] || { printf 'expected:\n%s\ngot:\n%s\n' "$2" "$1"; return 1; }; }

deb_amd64=dist/zarn-demo_${version}_amd64.deb
deb_arm64=dist/zarn-demo_${version}_arm64.deb
tgz_x86=dist/zarn-demo-$version-linux-x86_64.tar.gz
tgz_arm64=dist/zarn-demo-$version-linux-arm64.tar.gz
zip_windows=dist/zarn-demo-$version-windows-x86_64.zip
zip_web=dist/zarn-demo-$version-web.zip
images="cite_des_sciences.raw cite_des_sciences_smile.raw flare.raw normal_map.raw particule.raw"

check "SHA256SUMS lists the six packages" \
  same_lines "$(awk '{ print $2 }' dist/SHA256SUMS | sort)" \
  "$(printf '%s\n' "$deb_amd64" "$deb_arm64" "$tgz_x86" "$tgz_arm64" "$zip_windows" "$zip_web" | sed 's|^dist/||' | sort)"
check "SHA256SUMS matches" bash -c 'cd dist && sha256sum --quiet -c SHA256SUMS'

# The frames the build draws from the project's images.
frames=(--frames 120 --start-ms 4294966000 --frame-ms 37)
"$tree_capture" "${frames[@]}" --out "$work/tree.raw"
mkdir "$work/empty"

# --- The x86-64 .deb ---
status=0
lintian --fail-on error "$deb_amd64" >"$work/lintian" 2>&1 || status=$?
check "lintian reports no error on the .deb" test $status -eq 0
sed 's/^/  /' "$work/lintian"
check "the programs in the .deb are stripped" bash -c "! grep -q unstripped-binary-or-object '$work/lintian'"
check "the .deb depends on SDL2 and libpng" bash -c \
  "dpkg-deb -f '$deb_amd64' Depends | grep -q libsdl2 && dpkg-deb -f '$deb_amd64' Depends | grep -q libpng"

$SUDO dpkg -P zarn-demo >/dev/null 2>&1 || true
# Every path the package holds, and which of them were there before it.
dpkg-deb -c "$deb_amd64" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$' >"$work/paths"
while read -r path; do [ -e "$path" ] && echo "$path"; done <"$work/paths" >"$work/before" || true
$SUDO dpkg -i "$deb_amd64" >/dev/null
check "dpkg installs the .deb" bash -c "dpkg-query -W -f '\${Status}' zarn-demo | grep -q 'install ok installed'"
(cd "$work/empty" && zarn-demo-capture "${frames[@]}" --out "$work/deb.raw" 2>"$work/err")
check "installed zarn-demo-capture from an empty folder: exact frames" cmp -s "$work/tree.raw" "$work/deb.raw"
check "it says nothing on standard error" test ! -s "$work/err"
check "zarn-demo-capture --version" same_lines "$(zarn-demo-capture --version)" "demo-capture $version"
check "zarn-demo is installed" test -x /usr/bin/zarn-demo
$SUDO dpkg -r zarn-demo >/dev/null
$SUDO dpkg -P zarn-demo >/dev/null 2>&1 # nothing left to purge after -r: no conffiles
check "dpkg forgets the package" bash -c "! dpkg-query -W zarn-demo >/dev/null 2>&1"
while read -r path; do [ -e "$path" ] && echo "$path"; done <"$work/paths" >"$work/after" || true
check "removing and purging leaves no file behind" same_lines "$(cat "$work/after")" "$(cat "$work/before")"

# --- The .tar.gz archives ---
listing() { # an archive: its files, without the top folder
  case $1 in
    *.zip) unzip -Z1 "$1" ;;
    *) tar -tzf "$1" ;;
  esac | grep -v '/$' | cut -d/ -f2- | sort
}
linux_files=$(printf '%s\n' bin/zarn-demo bin/zarn-demo-capture \
  share/doc/zarn-demo/changelog.gz share/doc/zarn-demo/copyright \
  share/man/man1/zarn-demo.1.gz share/man/man1/zarn-demo-capture.1.gz \
  $(for i in $images; do echo "share/zarn-demo/datas/$i"; done) | sort)
check "the x86-64 .tar.gz holds the programs, images and notices only" same_lines "$(listing "$tgz_x86")" "$linux_files"
check "the ARM64 .tar.gz holds the same files" same_lines "$(listing "$tgz_arm64")" "$linux_files"
mkdir "$work/tgz"
tar -xzf "$tgz_x86" -C "$work/tgz"
(cd "$work/empty" && "$work"/tgz/*/bin/zarn-demo-capture "${frames[@]}" --out "$work/tgz.raw")
check "the unpacked x86-64 .tar.gz draws exact frames" cmp -s "$work/tree.raw" "$work/tgz.raw"

# --- Windows ---
windows_files=$(printf '%s\n' LICENSE.txt README.txt demo-capture.exe demo.exe $(for i in $images; do echo "datas/$i"; done) | sort)
check "the Windows .zip holds the programs, images and notes only" same_lines "$(listing "$zip_windows")" "$windows_files"
mkdir "$work/windows"
unzip -q "$zip_windows" -d "$work/windows"
unpacked=$(echo "$work"/windows/*)
check "README.txt has CR LF line ends" bash -c \
  "[ \$(grep -c \$'\\r\$' '$unpacked/README.txt') -eq \$(wc -l <'$unpacked/README.txt') ]"
# Wine as the release's Windows build runs it, in the test build's prefix
# when there is one, which saves making another.
wine_run=$root/build-release-windows-x86_64/wine-run.sh
if [ -f "$root/build-windows/wine-prefix/set-up-done" ]; then export WINEPREFIX=$root/build-windows/wine-prefix; fi
(cd "$work/empty" && "$wine_run" "$unpacked/demo-capture.exe" "${frames[@]}" --out - >"$work/windows.raw") || true
check "demo-capture.exe under Wine from another folder: exact frames" cmp -s "$work/tree.raw" "$work/windows.raw"
"$wine_run" wineserver -k || true

# --- ARM64 ---
qemu=(qemu-aarch64 -L /usr/aarch64-linux-gnu -E LD_LIBRARY_PATH=/usr/aarch64-linux-gnu/lib)
check "the ARM64 .deb is for arm64" same_lines "$(dpkg-deb -f "$deb_arm64" Architecture)" arm64
check "lintian reports no error on the ARM64 .deb" lintian --fail-on error "$deb_arm64"
check "the ARM64 .deb depends on arm64 SDL2" bash -c "dpkg-deb -f '$deb_arm64' Depends | grep -q libsdl2"
mkdir "$work/arm64-deb" "$work/arm64-tgz"
dpkg-deb -x "$deb_arm64" "$work/arm64-deb"
tar -xzf "$tgz_arm64" -C "$work/arm64-tgz"
for program in "$work/arm64-deb/usr/bin/zarn-demo-capture" "$work"/arm64-tgz/*/bin/zarn-demo-capture; do
  check "${program#"$work"/}: an ARM64 program" bash -c "readelf -h '$program' | grep -q 'Machine:.*AArch64'"
  check "${program#"$work"/} --version under qemu" same_lines "$("${qemu[@]}" "$program" --version)" "demo-capture $version"
done
"$tree_capture" --frames 20 --out "$work/tree20.raw"
(cd "$work/empty" && "${qemu[@]}" "$work"/arm64-tgz/*/bin/zarn-demo-capture --frames 20 --out "$work/arm64.raw")
check "the unpacked ARM64 .tar.gz draws exact frames under qemu" cmp -s "$work/tree20.raw" "$work/arm64.raw"

# --- The web page ---
mkdir "$work/web"
unzip -q "$zip_web" -d "$work/web"
check "the web .zip holds the page" same_lines "$(listing "$zip_web")" \
  "$(printf '%s\n' LICENSE.txt demo.data demo.js demo.wasm index.html | sort)"
status=0
DEMO_PAGE_FOLDER=$(echo "$work"/web/*) node --test tests/web/page.test.mjs >"$work/page.log" 2>&1 || status=$?
check "the unpacked web page passes the page's tests" test $status -eq 0
grep -E '^# (pass|fail)' "$work/page.log" || tail -n 30 "$work/page.log"

checks_done
