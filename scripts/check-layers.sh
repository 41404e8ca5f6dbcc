#!/usr/bin/env bash
# Fails when the folders of src/ do not form layers: a folder (its qt/ folder
# counted with it) may include only folders below it, so no two folders
# include each other, directly or round a longer loop.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root/src"

folders=$(find . -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
# One "from to" line per folder that includes another, with one file that
# does it.
edges=$(grep -rnoE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' \
  '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z0-9_]+/' . 2>/dev/null |
  sed -E 's#^\./([^/]+)/([^:]*):[0-9]+:.*"([A-Za-z0-9_]+)/$#\1 \3 \1/\2#' |
  awk -v folders="$folders" 'BEGIN { n = split(folders, f, "\n"); for (i = 1; i <= n; i++) known[f[i]] = 1 }
       NF == 3 && $1 != $2 && ($1 in known) && ($2 in known) && !seen[$1 " " $2]++ { print }' || true)

status=0
while read -r from to file; do
  [[ -n "$from" ]] || continue
  back=$(awk -v a="$to" -v b="$from" '$1 == a && $2 == b { print $3; exit }' <<<"$edges")
  if [[ -n "$back" && "$from" < "$to" ]]; then
    echo "src/$from and src/$to include each other: src/$file includes $to/, src/$back includes $from/" >&2
    status=1
  fi
done <<<"$edges"
if [[ $status -eq 0 && -n "$edges" ]] && ! loop=$(awk '{ print $1, $2 }' <<<"$edges" | tsort 2>&1 >/dev/null); then
  echo "the folders of src/ include each other round a loop:" >&2
  echo "$loop" >&2
  status=1
fi
exit $status
