#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to
# the program (a .qnd3 file to open).
set -euo pipefail
cd "$(dirname "$0")"

if [[ "${1:-}" == "--demo" ]]; then
  echo "run.sh: --demo needs the panel simulator, which this build does not have yet" >&2
  exit 2
fi

./scripts/install-deps.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX700_BUILD_TESTS=OFF >/dev/null
cmake --build build/run -j "$(nproc)"
exec build/run/bin/kx700 "$@"
