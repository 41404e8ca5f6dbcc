#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a short time from its seeds.
# FUZZ_SECONDS sets the time per target (20 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX700_CORE_ONLY=ON \
  -DKX700_BUILD_TESTS=OFF -DKX700_FUZZ=ON -DKX700_SANITIZE=address,undefined -DKX700_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

for target in file_reader_fuzz image_decoder_fuzz frame_reception_fuzz; do
  corpus=$(mktemp -d)
  cp fuzz/corpus/"${target%_fuzz}"/* "$corpus"/
  echo "fuzzing $target for ${seconds}s"
  # Findings go to the build folder; the log is shown only when one is found.
  if ! "$build/bin/$target" "$corpus" -dict=fuzz/qnd3.dict -max_total_time="$seconds" -max_len=8192 \
       -artifact_prefix="$build/$target-" -print_final_stats=1 >"$build/$target.log" 2>&1; then
    tail -n 60 "$build/$target.log" >&2
    rm -rf "$corpus"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$build/$target.log" || true
  rm -rf "$corpus"
done
