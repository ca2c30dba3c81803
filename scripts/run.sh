#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up and builds Quillforge, then starts the editor, passing on an
# optional post file: bash scripts/run.sh [post.bbc]
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${QF_NO_SETUP:-}" = 1 ] || bash scripts/setup.sh run
exec "${QF_BUILD_DIR:-build}/quillforge" "$@"
