#!/usr/bin/env bash
# The layering check must catch a Qt include outside a qt/ folder in every
# spelling, and accept one inside.
set -euo pipefail
checker=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/model/qt" "$tree/tools/panel-sim"

printf '#include <QString>\n' >"$tree/src/model/qt/ok.cpp"
printf '#include <vector>\n#include "model/record.h"\n' >"$tree/src/model/record.cpp"
"$checker" "$tree" || { echo "clean tree refused"; exit 1; }

for include in '#include <QtCore>' '#include <QtWidgets>' '#include <QString>' '#  include <QtCore/QString>' '#include "QObject"' '#include <qglobal.h>'; do
  printf '%s\n' "$include" >"$tree/tools/panel-sim/bad.cpp"
  if "$checker" "$tree" 2>/dev/null; then echo "not caught: $include"; exit 1; fi
done
