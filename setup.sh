#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Ludorine, then starts it ("run") or runs
# every test ("test"). Safe to run again: nothing is installed twice and the
# build is incremental.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

MODE="${1:-run}"
BUILD_DIR="${BUILD_DIR:-build}"

PACKAGES=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libopenscenegraph-dev
  zlib1g-dev libjpeg62-turbo-dev libx11-dev
  wfrench python3-grammalecte dict-freedict-fra-eng fonts-dejavu-core qt6-translations-l10n
)
if [ "$MODE" = test ]; then
  PACKAGES+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang-format)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation de : ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Continuous integration builds treat warnings as errors.
werror=OFF
[ -n "${CI:-}" ] && werror=ON

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  tests=OFF
  [ "$MODE" = test ] && tests=ON
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DLUDORINE_BUILD_TESTS=$tests -DLUDORINE_BUILD_BENCHMARKS=$tests \
    -DLUDORINE_WERROR=$werror
elif [ "$MODE" = test ] && ! grep -q '^LUDORINE_BUILD_TESTS:BOOL=ON' "$BUILD_DIR/CMakeCache.txt"; then
  cmake -S . -B "$BUILD_DIR" -DLUDORINE_BUILD_TESTS=ON -DLUDORINE_BUILD_BENCHMARKS=ON
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"

case "$MODE" in
  run)
    exec "$BUILD_DIR/bin/ludorine" "${@:2}"
    ;;
  test)
    cd "$BUILD_DIR"
    if [ -z "${DISPLAY:-}" ]; then
      exec xvfb-run -a -s "-screen 0 1600x1200x24" ctest --output-on-failure -j"$(nproc)"
    else
      exec ctest --output-on-failure -j"$(nproc)"
    fi
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
