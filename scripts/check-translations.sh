#!/usr/bin/env bash
# Fails when a dialog or menu string of the program has no finished
# translation in one of the translation sources.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
bin=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$root"/resources/translations/rc_700*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  # Strings new in the sources come in unfinished; removed ones go.
  # The core marks its texts with KX700_TRANSLATE_NOOP (it includes no Qt).
  "$bin/lupdate" -silent -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KX700_TRANSLATE_NOOP \
    "$root/src" -ts "$copy" >/dev/null 2>&1
  # A string the sources no longer give (or that lupdate no longer finds) must
  # leave the translation source as well.
  if ! diff <(grep '<source>' "$ts" | sort) <(grep '<source>' "$copy" | sort) >"$work/gone"; then
    echo "$(basename "$ts"): strings not found in the sources:" >&2
    grep '^<' "$work/gone" >&2 || true
    status=1
  fi
  report=$("$bin/lrelease" "$copy" -qm "$work/out.qm" 2>&1)
  if ! grep -q ' 0 unfinished' <<<"$report" || grep -q 'Ignored' <<<"$report"; then
    echo "$(basename "$ts"): strings without a finished translation:" >&2
    grep -B2 'type="unfinished"' "$copy" | grep '<source>' >&2 || true
    status=1
  fi
done
exit $status
