#!/usr/bin/env bash
# layer_includes.sh SRC_DIR EXCEPTIONS: fails when a source of src/ includes a
# folder that is not below its own in the layering
#   engine -> platform -> options -> interaction -> tree -> storage
#          -> scan, search, edit, desktop, overview -> optionsdialog
#          -> app, cli, tools
# A folder may include itself and the folders before it; the folders of one
# rank do not include each other: the five subsystems, and the three
# programs (the window program, qubrix-cli and the build's tools). EXCEPTIONS lists the
# includes still waiting to be moved, one "file folder" pair a line; an entry
# that no longer matches fails too, so the list only shrinks.
# A folder's gui/ sub-folder ranks with the folder; a source outside every
# gui/ folder (the core) must not include a gui/ header. The options dialog
# (optionsdialog) ranks above the subsystems whose help and folders it uses,
# while the options themselves stay low.
set -u
src="$1"; exceptions="$2"
rank() {
  case "$1" in
    engine) echo 0 ;; platform) echo 1 ;; options) echo 2 ;; interaction) echo 3 ;;
    tree) echo 4 ;; storage) echo 5 ;; scan|search|edit|desktop|overview) echo 6 ;;
    optionsdialog) echo 7 ;; app|cli|tools) echo 8 ;;
    *) echo -1 ;;
  esac
}
allowed=$(grep -vE '^[[:space:]]*(#|$)' "$exceptions" | awk '{print $1" "$2}' | sort -u)
found=""
bad=0
cd "$src" || exit 1
# area PATH: the ranked folder a path of src/ belongs to.
area() {
  echo "${1%%/*}"
}
for f in $(find engine platform options interaction tree storage scan search edit desktop overview optionsdialog app cli tools \
             -name '*.h' -o -name '*.cpp' 2>/dev/null | sort); do
  own=$(area "$f")
  own_rank=$(rank "$own")
  while IFS= read -r dir; do
    [ "$dir" = "$own" ] && continue
    r=$(rank "$dir")
    [ "$r" -lt 0 ] && continue
    if [ "$r" -lt "$own_rank" ]; then continue; fi
    if grep -qxF "$f $dir" <<<"$allowed"; then
      found+="$f $dir"$'\n'
      continue
    fi
    echo "$f includes $dir/, which is not below $own/"
    bad=1
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+\/[^"]*)".*/\1/p' "$f" |
             while IFS= read -r h; do area "$h"; done | sort -u)
done
while IFS= read -r entry; do
  [ -n "$entry" ] || continue
  if ! grep -qxF "$entry" <<<"$found"; then
    echo "stale exception (the include is gone; remove the line): $entry"
    bad=1
  fi
done <<<"$allowed"
for f in $(find engine platform options interaction tree storage scan search edit desktop overview optionsdialog app cli tools \
             \( -name '*.h' -o -name '*.cpp' \) -not -path '*/gui/*' 2>/dev/null | sort); do
  [ "$f" = app/main.cpp ] && continue
  while IFS= read -r line; do
    echo "$f includes $line, a widget header; the core does not include gui/"
    bad=1
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z/]+\/gui\/[^"]*)".*/\1/p' "$f")
done
# The parts bound to the window get the session and the window's narrow
# interfaces (IWindowCommands, IWindowControls), never the window itself: only
# the window's own files and the composition root include it.
for f in $(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"app/gui/MainForm.h"' app 2>/dev/null); do
  case "$f" in
    app/gui/MainForm.cpp|app/gui/MainFormMenus.cpp|app/gui/MainFormView.cpp|app/gui/Program.cpp|app/main.cpp) ;;
    *) echo "$f includes app/gui/MainForm.h; bind to the session and the window's interfaces instead"
       bad=1 ;;
  esac
done
if [ "$bad" -ne 0 ]; then
  echo "Includes must point down the layers: engine, platform, options, interaction, tree, storage, then scan/search/edit/desktop/overview, then optionsdialog, then app/cli/tools."
  exit 1
fi
echo "includes follow the layers"
