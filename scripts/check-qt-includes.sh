#!/usr/bin/env bash
# Fails when a source outside a qt/ folder includes a Qt header: the core, the
# simulator and the core tests must build without Qt.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

hits=$(grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' \
  '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Qt[A-Za-z]*(/[^>"]*)?[>"]|Q[A-Z][A-Za-z]*(\.h)?[>"]|q[a-z0-9_]+\.h>)' \
  src tools tests bench fuzz 2>/dev/null | grep -vE '^[^:]*/qt/' || true)

if [[ -n "$hits" ]]; then
  echo "Qt headers included outside a qt/ folder:" >&2
  echo "$hits" >&2
  exit 1
fi
