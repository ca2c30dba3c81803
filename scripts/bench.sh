#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Quillforge and runs every benchmark program, printing its figures.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${QF_NO_SETUP:-}" = 1 ] || bash scripts/setup.sh bench >/dev/null
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
build_dir="${QF_BUILD_DIR:-build}"
status=0
for b in "$build_dir"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@" || { echo "$(basename "$b") failed"; status=1; }
done
exit $status
