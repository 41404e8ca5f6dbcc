#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to
# the program (a .qnd3 file to open).
#
# ./run.sh --demo starts it against the panel simulator instead of a panel:
# the simulator serves a realistic panel on a pseudo-terminal, the program
# uses it as COM9 with settings of its own (build/demo), and the simulator
# stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")"

demo=false
if [[ "${1:-}" == "--demo" ]]; then
  demo=true
  shift
fi

./scripts/install-deps.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX700_BUILD_TESTS=OFF >/dev/null
cmake --build build/run -j "$(nproc)"

if ! $demo; then
  exec build/run/bin/kx700 "$@"
fi

demo_home="$PWD/build/demo"
mkdir -p "$demo_home/Quendar"
settings="$demo_home/Quendar/kx700 1.conf"
language=$(sed -n 's/^Language=//p' "$settings" 2>/dev/null || true)
{
  echo "[1.00]"
  echo "Com_port=COM9"
  [[ -n "$language" ]] && echo "Language=$language"
} >"$settings"

sim_out="$demo_home/panel-sim.out"
build/run/bin/kx700-panel-sim --com 9 >"$sim_out" 2>"$demo_home/panel-sim.log" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT

for _ in $(seq 50); do
  [[ -s "$sim_out" ]] && break
  sleep 0.1
done
line=$(head -n 1 "$sim_out")
if [[ "$line" != KX700_COM9=* ]]; then
  echo "run.sh: the panel simulator did not start (see $demo_home/panel-sim.log)" >&2
  exit 1
fi
echo "run.sh: simulated panel on ${line#KX700_COM9=} as COM9"
export "$line"
XDG_CONFIG_HOME="$demo_home" build/run/bin/kx700 "$@"
