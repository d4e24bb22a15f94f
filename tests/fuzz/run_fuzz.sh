#!/usr/bin/env bash
# Fuzzes tunsnip's loader and export: builds the fuzz preset, writes the seed
# files, and runs libFuzzer on them and on ../shared/ay-corpus when present.
#
# Usage: tests/fuzz/run_fuzz.sh [seconds] [more libFuzzer flags]   (default: 60 seconds)
# Exits non-zero when libFuzzer finds a crash; the input is left in build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
shift || true

cmake --workflow --preset fuzz
build=build/fuzz
mkdir -p "$build/corpus" "$build/findings"
"$build/tests/make_fuzz_seeds" "$build/seeds"
sources=("$build/corpus" "$build/seeds")
[ -d ../shared/ay-corpus ] && sources+=(../shared/ay-corpus)

"$build/tests/fuzz_tunsnip" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$build/findings/" "$@" "${sources[@]}"
