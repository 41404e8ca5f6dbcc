#!/usr/bin/env bash
# Brings the translation sources up to date with the program's dialog and
# menu strings: new strings appear unfinished, translations already made stay.
# Translate them with Qt Linguist (or by hand) before committing: the tests
# refuse an unfinished translation.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
for pair in fr:fr_FR en:en_GB cz:cs_CZ; do
  # The core marks its texts with KX700_TRANSLATE_NOOP (it includes no Qt).
  "$lupdate" -silent -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KX700_TRANSLATE_NOOP \
    -target-language "${pair#*:}" src -ts "resources/translations/rc_700${pair%%:*}.ts"
done
