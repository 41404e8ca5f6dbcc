#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# suite (warnings are errors), then the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a short time.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc)
step() { printf '\n== %s\n' "$*"; }

step "dependencies"
./scripts/install-deps.sh

step "layering: Qt only under qt/ folders, folders include downward only"
./scripts/check-qt-includes.sh
./scripts/check-layers.sh

step "build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKX700_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure --timeout 300 -j "$jobs"

step "core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKX700_WERROR=ON -DKX700_CORE_ONLY=ON \
  -DKX700_SANITIZE=address,undefined >/dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure --timeout 300 -j "$jobs"

step "fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)"
./scripts/run-fuzzers.sh

step "all tests passed"
