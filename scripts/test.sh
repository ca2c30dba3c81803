#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up and builds Quillforge, then runs the whole test suite headless (no
# display needed), ending with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
cd "${QF_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 600 "$@"
