#!/usr/bin/env bash
# ts_complete.sh LUPDATE SRC_DIR TS...: fails when a translation file lacks the
# translation of a source text of src/. lupdate updates a copy of each file
# from the sources; every entry it leaves unfinished is a text nobody
# translated yet (a new or changed source text).
set -eu
lupdate="$1"; src="$2"; shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in "$@"; do
  cp "$ts" "$tmp/check.ts"
  "$lupdate" -silent "$src" -extensions cpp,h -locations none -no-obsolete \
    -ts "$tmp/check.ts" >/dev/null
  if grep -q 'type="unfinished"' "$tmp/check.ts"; then
    echo "$(basename "$ts"): texts without a translation:"
    grep -B1 'type="unfinished"' "$tmp/check.ts" | grep '<source>' | sed 's/^ *//'
    status=1
  fi
done
exit $status
