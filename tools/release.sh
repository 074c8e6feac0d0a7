#!/usr/bin/env bash
# Makes the release packages into dist/, with their SHA256SUMS:
#   zarn-demo_VERSION_amd64.deb, zarn-demo_VERSION_arm64.deb   Debian 12 and derivatives
#   zarn-demo-VERSION-linux-x86_64.tar.gz, ...-linux-arm64.tar.gz
#   zarn-demo-VERSION-windows-x86_64.zip                        demo.exe, demo-capture.exe, datas/
#   zarn-demo-VERSION-web.zip                                   the web page, for any static server
# Each comes from a Release build of its own (build-release-*), stripped and
# without tests or benchmarks. Run after tools/install-deps.sh --tests, which
# installs the cross compilers, the arm64 libraries and emscripten.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version=$(sed -n 's/^project(ZarnDemo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
jobs=$(nproc)
launcher=()
# ccache, where installed, reuses the objects of the test builds: paths are
# taken relative to the project, so other build folders hit the same entries.
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
fi
# Installing (and so packaging) builds only what is installed, not the
# benchmarks and tools of the whole build.
release_options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON)

rm -rf dist
mkdir dist

# A Release build of the programs, stripped by the linker (a flag of the
# Release link only, so that a toolchain's own link flags, mingw's -static,
# stay), packaged by CPack with the generators given; further arguments go to
# cmake.
package() { # build folder, CPack generators, cmake options...
  local build=$1 generators=$2
  shift 2
  cmake -S . -B "$build" "${release_options[@]}" "${launcher[@]}" -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s "$@" >/dev/null
  cmake --build "$build" -j"$jobs" --target demo demo-capture
  rm -rf "$build/packages"
  cpack --config "$build/CPackConfig.cmake" -G "$generators" -B "$build/packages" >/dev/null
  mv "$build"/packages/*.deb "$build"/packages/*.tar.gz "$build"/packages/*.zip dist/ 2>/dev/null || true
}

package build-release-linux-x86_64 "DEB;TGZ"
# dpkg-shlibdeps reads the ARM64 programs with the cross objdump and looks
# their libraries up among the arm64 packages when the host is arm64.
DEB_HOST_ARCH=arm64 package build-release-linux-arm64 "DEB;TGZ" -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
package build-release-windows-x86_64 ZIP -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

# The web page, gathered by its install rules into one folder and zipped.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
web=build-release-web
emcmake cmake -S . -B "$web" "${release_options[@]}" >/dev/null
cmake --build "$web" -j"$jobs" --target demo
page=zarn-demo-$version-web
rm -rf "$web/stage"
cmake --install "$web" --prefix "$web/stage/$page" >/dev/null
cp LICENSE "$web/stage/$page/LICENSE.txt"
(cd "$web/stage" && zip -qr -X "$root/dist/$page.zip" "$page")

(cd dist && sha256sum -- * >SHA256SUMS)
ls -l dist
