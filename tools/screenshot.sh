#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshot of the main window under a virtual X server,
# with the example post open: bash tools/screenshot.sh [OUTPUT.png]
# (default docs/screenshot.png). Starts the editor through scripts/run.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshot.png}")"
[ "${QF_NO_SETUP:-}" = 1 ] || bash scripts/setup.sh screenshot >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A configured site, so the editor starts straight into its main window.
mkdir -p "$work/config/Quillforge"
printf '[Options]\nSiteAdress=https://forum.example.org/\nSiteName=Example forum\n' \
  > "$work/config/Quillforge/Quillforge.conf"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QF_NO_SETUP=1
unset QT_QPA_PLATFORM

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  bash scripts/run.sh "$PWD/docs/examples/welcome.bbc" >"$1/editor.log" 2>&1 &
  editor=$!
  id=""
  for _ in $(seq 150); do
    # The main window is the one that carries a window class.
    id=$(xwininfo -root -tree 2>/dev/null | awk "/\"Quillforge\": \\(\"quillforge\"/ {print \$1; exit}")
    [ -n "$id" ] && break
    sleep 0.2
  done
  if [ -z "$id" ]; then echo "the main window did not appear" >&2; cat "$1/editor.log" >&2; kill $editor; exit 1; fi
  sleep 1.5
  status=0
  import -window "$id" "$2" || status=1
  kill $editor 2>/dev/null || true
  exit $status
' _ "$work" "$out"
echo "screenshot written to $out"
