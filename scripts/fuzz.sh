#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for half of SECONDS,
# starting from the committed corpus; new inputs go to a scratch corpus in the
# build folder, not into the tree. A crash, hang or broken label fails.
set -euo pipefail
seconds=${1:-600}
build=${2:-build-fuzz}
root=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

for target in number_reader calculation; do
  scratch="$build/corpus/$target"
  log="$build/$target.log"
  mkdir -p "$scratch"
  echo "fuzzing $target for $((seconds / 2))s"
  if ! "$build/${target}_fuzz" -max_total_time=$((seconds / 2)) -timeout=5 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$build/" \
      "$scratch" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzzing $target found a failure; the input is in $build/" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log"
done
