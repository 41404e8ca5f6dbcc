#!/usr/bin/env bash
# Runs a test program as an ordinary user. As root it runs as nobody, so that
# tests of what an ordinary user may do (open a line another program holds,
# be refused a read-only folder) run instead of skipping. The program is
# copied to a folder of its own, which nobody can reach wherever the build is.
#
#   run-unprivileged.sh <program> [arguments...]
set -euo pipefail
program=$1
shift
if [[ $(id -u) -ne 0 ]]; then
  exec "$program" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$program" "$work/"
copy="$work/$(basename "$program")"
chmod 755 "$copy"
cd "$work"
status=0
HOME="$work" setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all -- "$copy" "$@" || status=$?
exit $status
