#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up and builds Quillforge with its tests, then runs the whole test suite
# headless (no display needed), as many tests at a time as the machine has
# cores, ending with CTest's summary. Arguments go to CTest: for the quick
# loop, bash scripts/test.sh -L unit
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${QF_NO_SETUP:-}" = 1 ] || bash scripts/setup.sh test
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
cd "${QF_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 600 --parallel "$(nproc)" "$@"
