#!/usr/bin/env bash
# core_includes.sh LIST WIDGETS_DIR: fails when a source named in LIST includes
# a header that QtWidgets provides (by name: <QWidget>, <QtWidgets/...>).
set -u
list="$1"; widgets="$2"
[ -d "$widgets" ] || { echo "QtWidgets include folder not found: $widgets"; exit 1; }
bad=0
while IFS= read -r f; do
  [ -n "$f" ] || continue
  while IFS= read -r line; do
    h=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$line")
    case "$h" in
      QtWidgets/*|QtWidgets) echo "$f: $line"; bad=1 ;;
      */*) ;;
      *) if [ -e "$widgets/$h" ]; then echo "$f: $line"; bad=1; fi ;;
    esac
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$f")
done < "$list"
if [ "$bad" -ne 0 ]; then
  echo "Core sources must not include QtWidgets headers."
  exit 1
fi
echo "core sources: no QtWidgets headers"
