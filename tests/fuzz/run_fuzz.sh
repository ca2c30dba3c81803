#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang in their own folder and runs one for a
# bounded time:  run_fuzz.sh BUILD_DIR SECONDS [TARGET] [libFuzzer options...]
# TARGET is "render" (the default), "phpbb3", "mybb18", "smf21", "forumscan" or "paste". Exits 77 (skipped) when
# clang or its libFuzzer runtime is not installed (scripts/setup.sh test
# installs both).
#   run_fuzz.sh BUILD_DIR build    only configures and builds the targets.
# With QF_FUZZ_BUILT=1 the build folder is taken as it is, so that several
# runs can share it at once (CTest builds it first, in a test of its own).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="$2"
shift 2
target=render
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  target="$1"
  shift
fi
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed; skipping the fuzz run"
  exit 77
fi
if [ "${QF_FUZZ_BUILT:-}" != 1 ]; then
  if [ ! -f "$build/build.ninja" ]; then
    CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
      || { echo "cannot configure the fuzz build (is libclang-rt-14-dev installed?)"; exit 77; }
  fi
  cmake --build "$build" >/dev/null
fi
[ "$seconds" = build ] && exit 0
if [ ! -f "$build/build.ninja" ]; then
  echo "the fuzz build could not be configured (is libclang-rt-14-dev installed?); skipping the fuzz run"
  exit 77
fi
if [ ! -x "$build/fuzz_$target" ]; then
  echo "$build/fuzz_$target is missing: the fuzz build did not make it"
  exit 1
fi
corpus="$build/corpus-$target"
mkdir -p "$corpus"
case "$target" in
  render)
    # Seeds: the inputs of the conformance files.
    for f in "$here"/../board/classic/conformance/*.txt; do
      grep '^in:' "$f" | sed 's/^in: *//' | split -l 1 -a 4 - "$corpus/$(basename "$f" .txt)-" || true
    done
    max_len=2048 ;;
  phpbb3)
    # Seeds: the posts of the phpBB 3 case files, one file each.
    if command -v python3 >/dev/null; then
      python3 "$here/phpbb3_seeds.py" "$here"/../board/phpbb3/*.jsonl "$corpus"
    fi
    max_len=4096 ;;
  mybb18)
    # Seeds: the posts of the MyBB 1.8 case files, one file each.
    if command -v python3 >/dev/null; then
      python3 "$here/phpbb3_seeds.py" "$here"/../board/mybb18/*.jsonl "$corpus"
    fi
    max_len=4096 ;;
  smf21)
    # Seeds: the posts of the SMF 2.1 case files, one file each.
    if command -v python3 >/dev/null; then
      python3 "$here/phpbb3_seeds.py" "$here"/../board/smf21/*.jsonl "$corpus"
    fi
    max_len=4096 ;;
  forumscan)
    # Seeds: the board pages of the extraction tests.
    cp "$here"/../forums/boards/*.php "$corpus"/
    max_len=4096 ;;
  paste)
    # Seeds: the clipboard pages of the converter's cases.
    cp "$here"/../paste/cases/*.html "$corpus"/
    max_len=8192 ;;
  *)
    echo "unknown fuzz target: $target" >&2
    exit 2 ;;
esac
# libFuzzer's own exit code for a failure is 77, which CTest reads as
# "skipped": a failure or a hang exits with 1 instead. A failing input is
# kept in the build folder.
set +e
"$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" -rss_limit_mb=2048 \
  -error_exitcode=1 -timeout_exitcode=1 -artifact_prefix="$build/" \
  -dict="$here/$target.dict" -print_final_stats=1 "$@" "$corpus" 2>&1 | tail -n 25
status=${PIPESTATUS[0]}
exit "$status"
