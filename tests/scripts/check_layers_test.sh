#!/usr/bin/env bash
# The layer check must accept folders that include downward only, count a
# qt/ folder with its parent, and refuse two folders that include each other,
# directly or round a longer loop.
set -euo pipefail
checker=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/common/qt" "$tree/src/model" "$tree/src/app/qt"
printf '#include <vector>\n' >"$tree/src/common/text.h"
printf '#include "common/text.h"\n' >"$tree/src/model/record.h"
printf '#include "model/record.h"\n' >"$tree/src/app/qt/frame.cpp"
printf '#include "app/program.h"\n' >"$tree/src/main.cpp"
"$checker" "$tree" || { echo "clean tree refused"; exit 1; }

refused() {
  if "$checker" "$tree" 2>/dev/null; then echo "not caught: $1"; exit 1; fi
  rm "$2"
}
printf '#include "app/qt/frame.h"\n' >"$tree/src/model/up.cpp"
refused "model and app include each other" "$tree/src/model/up.cpp"
printf '#  include "model/record.h"\n' >"$tree/src/common/qt/up.cpp"
refused "common/qt includes model, which includes common" "$tree/src/common/qt/up.cpp"
printf '#include "app/frame.h"\n' >"$tree/src/common/up.h"
refused "a loop of three: common, model, app" "$tree/src/common/up.h"
"$checker" "$tree" || { echo "clean tree refused afterwards"; exit 1; }
