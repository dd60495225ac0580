#!/usr/bin/env bash
# The symbol half of the layer check: a folder's compiled files may use only
# what is defined in the folders it may include (layers.txt), so a layer
# cannot be crossed by declaring a function of a higher layer instead of
# including its header. Folders on Qt Core only may not use Qt's widget, GUI,
# chart, printer or SVG libraries either, and only folders whose row names
# "qt-network" may use Qt Network.
#   check-symbols.sh build/layers.txt build/layer-objects.txt [source folder]
# layer-objects.txt: "folder=directory of its .o files" lines, one line
# "qt-widgets=lib1,lib2,..." naming the Qt libraries of the window layers and
# one "qt-network=lib" naming Qt Network.
set -euo pipefail
layers=$1
objects=$2
sources=${3:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

found=0
while IFS='=' read -r folder dir; do
  [ -n "$folder" ] || continue
  if [ "$folder" = qt-widgets ] || [ "$folder" = qt-network ]; then
    IFS=',' read -ra libs <<<"$dir"
    for lib in "${libs[@]}"; do
      # Versioned names ("_ZN7QWidget4showEv@@Qt_6") are used without their version.
      nm -D --defined-only "$lib" | awk '{ name = $NF; sub(/@.*/, "", name); print name }' >>"$work/$folder"
    done
    continue
  fi
  files=()
  for o in "$dir"/*.o; do
    [ -e "$o" ] || continue
    # A compiled file whose source has gone (removed or renamed since the
    # last build) is left over in the build folder, not part of the program.
    # The moc output of a header (moc_X.cpp.o) stands for X.h.
    if [ -n "$sources" ] && [[ "$dir" != *_autogen ]]; then
      source=${o##*/}
      source=${source%.o}
      if [[ "$source" == moc_*.cpp ]]; then
        source=${source#moc_}
        source=${source%.cpp}.h
      fi
      [ -e "$sources/$folder/$source" ] || continue
    fi
    files+=("$o")
  done
  [ ${#files[@]} -gt 0 ] || continue
  found=$((found + ${#files[@]}))
  # Strong definitions only: inline functions and templates are defined
  # (weakly) wherever they are used.
  nm -A --defined-only "${files[@]}" |
    awk -v f="$folder" '$(NF-1) ~ /^[TDBRG]$/ { print f, $NF }' >>"$work/defined"
  nm -A -u "${files[@]}" |
    awk -v f="$folder" '{ o = $1; sub(/:$/, "", o); sub(/.*\//, "", o); print f, o, $NF }' >>"$work/used"
done <"$objects"

if [ "$found" -eq 0 ]; then
  echo "No compiled files found: build the project before this check." >&2
  exit 1
fi
touch "$work/qt-widgets" "$work/qt-network"

awk -v layers="$layers" -v qt="$work/qt-widgets" -v network="$work/qt-network" -v defined="$work/defined" '
BEGIN {
  while ((getline line < layers) > 0) {
    split(line, kv, "=")
    n = split(kv[2], list, ",")
    for (i = 1; i <= n; i++) allowed[kv[1], list[i]] = 1
  }
  while ((getline line < qt) > 0) widget[line] = 1
  while ((getline line < network) > 0) net[line] = 1
  while ((getline line < defined) > 0) {
    split(line, d, " ")
    home[d[2]] = d[1]
  }
  bad = 0
}
{
  folder = $1; file = $2; sym = $3
  if (sym in home) {
    h = home[sym]
    if (h != folder && !((folder, h) in allowed)) {
      printf "%s/%s uses %s of %s/, which %s/ may not use\n", folder, file, sym, h, folder
      bad = 1
    }
  } else if ((sym in widget) && !((folder, "platform/ui") in allowed)) {
    printf "%s/%s uses %s of a Qt window library in a layer on Qt Core only\n", folder, file, sym
    bad = 1
  } else if ((sym in net) && !((folder, "qt-network") in allowed)) {
    printf "%s/%s uses %s of Qt Network in a folder not given it\n", folder, file, sym
    bad = 1
  }
}
END { exit bad }
' "$work/used"
