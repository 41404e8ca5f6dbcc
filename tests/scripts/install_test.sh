#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed
# program offscreen in French: it must come up and load its own translation
# from the prefix and Qt's own from the system, and the desktop entry, icon
# and file type must be in place.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
config=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$prefix" "$config"' EXIT
pid=

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/kx700 share/kx700/translations/rc_700fr.qm share/kx700/translations/rc_700en.qm \
  share/kx700/translations/rc_700cz.qm share/applications/kx700.desktop share/mime/packages/kx700.xml \
  share/icons/hicolor/scalable/apps/kx700.svg; do
  [[ -e "$prefix/$f" ]] || { echo "not installed: $f" >&2; exit 1; }
done
grep -q '^Exec=kx700 %f' "$prefix/share/applications/kx700.desktop"
grep -q 'pattern="\*.qnd3"' "$prefix/share/mime/packages/kx700.xml"

mkdir -p "$config/Quendar"
printf '[1.00]\nLanguage=FR\nCom_port=COM99\n' >"$config/Quendar/kx700 1.conf"
# A port that goes nowhere: the program starts without a panel.
XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen KX700_COM99=/nonexistent/kx700-install-test \
  "$prefix/bin/kx700" >/dev/null 2>&1 &
pid=$!

# The translations are mapped into the program once loaded.
for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the installed program ended at start" >&2
    exit 1
  fi
  maps=$(cat "/proc/$pid/maps" 2>/dev/null || true)
  if grep -q "$prefix/share/kx700/translations/rc_700fr.qm" <<<"$maps" && grep -q 'qtbase_fr.qm' <<<"$maps"; then
    echo "installed program running with its translation and Qt's"
    exit 0
  fi
  sleep 0.1
done
echo "the installed program did not load rc_700fr.qm from $prefix and qtbase_fr.qm" >&2
grep '\.qm' "/proc/$pid/maps" >&2 || true
exit 1
