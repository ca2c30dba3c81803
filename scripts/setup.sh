#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what the build and the tests need on Debian 12 (only what is
# missing), then configures and builds Quillforge into build/.
#   QF_BUILD_DIR   build folder (default: build)
#   QF_CMAKE_ARGS  extra arguments for CMake (for example -DQF_SANITIZE=ON)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev libegl-dev libxkbcommon-dev
  adwaita-icon-theme fonts-liberation2
  clang libclang-rt-14-dev
  php-cli xvfb xauth x11-utils imagemagick
  qt6-base-private-dev
  qt6-tools-dev qt6-l10n-tools
  desktop-file-utils appstream shared-mime-info dpkg-dev file
  libenchant-2-dev hunspell-en-us
  libgumbo-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# npm may come with a Node.js installed otherwise; Debian's own only when none.
command -v npm >/dev/null 2>&1 || missing+=(npm)
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
if [ ! -f tests/submit/boards/node_modules/sceditor/package.json ] \
   || [ ! -f tests/submit/boards/node_modules/sceditor300/package.json ] \
   || [ ! -f tests/submit/boards/node_modules/jquery/package.json ]; then
  npm ci --prefix tests/submit/boards --no-audit --no-fund
fi

build_dir="${QF_BUILD_DIR:-build}"
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${QF_CMAKE_ARGS:-}
cmake --build "$build_dir" --parallel "$(nproc)"
