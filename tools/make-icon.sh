#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the application icon's PNG sizes from its drawing,
# packaging/icons/quillforge.svg, into packaging/icons/hicolor/NxN/apps/
# (the sizes desktops look for). Change the drawing, run this, and commit the
# drawing with the PNG files:
#
#   bash tools/make-icon.sh
#
# rsvg-convert (Debian's librsvg2-bin) draws them; it is installed when
# missing. Running it again gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends librsvg2-bin
fi

svg=packaging/icons/quillforge.svg
for size in 16 22 24 32 48 64 128 256; do
  out="packaging/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$out"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "$out/quillforge.png"
done
echo "Icons written under packaging/icons/hicolor/"
