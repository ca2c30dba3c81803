#!/usr/bin/env bash
# Builds the renderer's fuzz target with clang in its own folder and runs it
# for a bounded time:  run_fuzz.sh BUILD_DIR SECONDS [libFuzzer options...]
# Exits 77 (skipped) when clang or its libFuzzer runtime is not installed
# (scripts/setup.sh installs both).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="$2"
shift 2
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed; skipping the fuzz run"
  exit 77
fi
if [ ! -f "$build/build.ninja" ]; then
  CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
    || { echo "cannot configure the fuzz build (is libclang-rt-14-dev installed?)"; exit 77; }
fi
cmake --build "$build" >/dev/null
mkdir -p "$build/corpus"
# Seeds: the inputs of the conformance files.
for f in "$here"/../render/conformance/*.txt; do
  grep '^in:' "$f" | sed 's/^in: *//' | split -l 1 -a 4 - "$build/corpus/$(basename "$f" .txt)-" || true
done
"$build/fuzz_render" -max_total_time="$seconds" -timeout=10 -max_len=2048 -rss_limit_mb=2048 \
  -dict="$here/render.dict" -print_final_stats=1 "$@" "$build/corpus" 2>&1 | tail -n 25
status=${PIPESTATUS[0]}
exit "$status"
