#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing on Debian 12 for one purpose, then configures and
# builds Quillforge into build/:
#
#   bash scripts/setup.sh run          the editor alone (scripts/run.sh)
#   bash scripts/setup.sh test         the editor, every test and benchmark (scripts/test.sh)
#   bash scripts/setup.sh bench        the editor and the benchmarks (scripts/bench.sh)
#   bash scripts/setup.sh screenshot   the editor and the virtual X server (tools/screenshot.sh)
#   bash scripts/setup.sh --list MODE  prints what MODE would install here, installs nothing
#
#   QF_BUILD_DIR   build folder (default: build)
#   QF_CMAKE_ARGS  extra arguments for CMake (for example -DQF_SANITIZE=ON)
set -euo pipefail
cd "$(dirname "$0")/.."

list_only=0
if [ "${1:-}" = --list ]; then
  list_only=1
  shift
fi
mode="${1:-run}"

# Building and running the editor (Qt's private headers: the shared OpenGL
# context is made only when the web module loads).
run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-webengine-dev libgl-dev libegl-dev libxkbcommon-dev
  libenchant-2-dev libgumbo-dev
  adwaita-icon-theme fonts-liberation2 hunspell-en-us
)
# The virtual X server and the picture grabber of the screenshot script.
screenshot_packages=(xvfb xauth x11-utils imagemagick)
# The test boards (PHP's own server, and npm for their rich editor), the
# fuzzers and the second compiler, the translation tools, the install
# checks and the Debian package tools.
test_packages=(
  "${screenshot_packages[@]}"
  php-cli python3
  clang libclang-rt-14-dev
  qt6-tools-dev qt6-l10n-tools
  desktop-file-utils appstream shared-mime-info dpkg-dev file
)
# The posting benchmark runs on a test board.
bench_packages=(php-cli)

case "$mode" in
  run) packages=("${run_packages[@]}"); npm_modules=0 ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}"); npm_modules=1 ;;
  bench) packages=("${run_packages[@]}" "${bench_packages[@]}"); npm_modules=1 ;;
  screenshot) packages=("${run_packages[@]}" "${screenshot_packages[@]}"); npm_modules=0 ;;
  *) echo "setup.sh: unknown purpose \"$mode\" (run, test, bench or screenshot)" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# npm may come with a Node.js installed otherwise; Debian's own only when none.
if ((npm_modules)) && ! command -v npm >/dev/null 2>&1; then
  missing+=(npm)
fi
if ((list_only)); then
  printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++'
  exit 0
fi
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The rich editor (and jQuery) the MyBB and SMF test boards load, from npm,
# at the versions tests/submit/boards/package-lock.json names.
if ((npm_modules)) && { [ ! -f tests/submit/boards/node_modules/sceditor/package.json ] \
   || [ ! -f tests/submit/boards/node_modules/sceditor300/package.json ] \
   || [ ! -f tests/submit/boards/node_modules/jquery/package.json ]; }; then
  npm ci --prefix tests/submit/boards --no-audit --no-fund
fi

build_dir="${QF_BUILD_DIR:-build}"
options=()
case "$mode" in
  test) options=(-DQF_BUILD_TESTS=ON -DQF_BUILD_BENCH=ON) ;;
  bench) options=(-DQF_BUILD_BENCH=ON) ;;
  *)
    # A new build folder for the editor alone builds neither the tests nor
    # the benchmarks; one set up for them keeps them.
    [ -f "$build_dir/CMakeCache.txt" ] || options=(-DQF_BUILD_TESTS=OFF -DQF_BUILD_BENCH=OFF) ;;
esac
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" ${QF_CMAKE_ARGS:-}
case "$mode" in
  run | screenshot)
    cmake --build "$build_dir" --parallel "$(nproc)" \
      --target quillforge quillforge-render quillforge_emoticons ;;
  *) cmake --build "$build_dir" --parallel "$(nproc)" ;;
esac
