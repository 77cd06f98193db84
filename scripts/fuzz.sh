#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds (default 20), or
# only the targets named after the seconds.
# Seeds come from fuzz/corpus/<target>; what the fuzzer adds stays under build/fuzz/corpus.
# Fails on the first finding and leaves its input in build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build analysis
seconds=${1:-20}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
# Every target the build lists (fuzz/CMakeLists.txt), unless some are named.
mapfile -t targets <build/fuzz/fuzz/targets.txt
[[ $# -gt 1 ]] && targets=("${@:2}")

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$target
  log=build/fuzz/$target.log
  mkdir -p "$corpus"
  if ! build/fuzz/fuzz/"$target" "$corpus" "fuzz/corpus/$target" -dict=fuzz/draw.dict \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/findings/$target-" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: $target found a fault; its input is in build/fuzz/findings" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target ran $runs inputs in ${seconds} s without a finding"
done
