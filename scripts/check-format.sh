#!/usr/bin/env bash
# Checks that our own C++ files follow .clang-format; fails naming each file
# that does not. With --fix, formats them in place instead.
#   ./scripts/check-format.sh          check (what scripts/test.sh runs)
#   ./scripts/check-format.sh --fix    reformat
set -euo pipefail
cd "$(dirname "$0")/.."

fix=false
case "${1:-}" in
  "") ;;
  --fix) fix=true ;;
  *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac

# Another major version formats some constructs differently, so the one
# Debian 12 ships (scripts/setup.sh installs it) comes first.
format=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null; then
    format=$candidate
    break
  fi
done
if [ -z "$format" ]; then
  echo "check-format: clang-format is not installed; run ./scripts/setup.sh" >&2
  exit 1
fi
version=$("$format" --version)
case "$version" in
  *" 14."*) ;;
  *) echo "check-format: warning: .clang-format is tuned for clang-format 14, this is: $version" >&2 ;;
esac

# The project's source folders; wheels and analysis may not exist yet.
folders=()
for folder in app platform core databases generators syndicates printing wheels analysis tests bench; do
  [ -d "$folder" ] && folders+=("$folder")
done
mapfile -d '' files < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if $fix; then
  printf '%s\0' "${files[@]}" | xargs -0 -P "$(nproc)" -n 16 "$format" -i
  echo "check-format: formatted ${#files[@]} files"
  exit 0
fi

# clang-format names the file of every change it wants ("file:line:col:
# error: code should be clang-formatted").
# Each batch writes its own file, so parallel runs do not mix their lines.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
printf '%s\0' "${files[@]}" |
  xargs -0 -P "$(nproc)" -n 8 sh -c '"$0" --dry-run --Werror "$@" 2>"$(mktemp -p "'"$tmp"'")"' "$format" ||
  status=$?
output=$(cat "$tmp"/*)
if [ $status -eq 0 ]; then
  echo "check-format: ${#files[@]} files formatted"
  exit 0
fi
mapfile -t bad < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$output" | sort -u)
if [ ${#bad[@]} -eq 0 ]; then
  # Failed for another reason, say a broken .clang-format.
  echo "$output" | head -n 30 >&2
  echo "check-format: clang-format failed" >&2
  exit 1
fi
echo "check-format: ${#bad[@]} of ${#files[@]} files are not formatted:" >&2
for f in "${bad[@]}"; do
  echo "  $f" >&2
done
# The first lines of the change for the first file, to show what is meant.
echo "check-format: the change clang-format wants in ${bad[0]} begins:" >&2
"$format" "${bad[0]}" | diff -u "${bad[0]}" - | head -n 30 >&2 || true
echo "check-format: run ./scripts/check-format.sh --fix to format them" >&2
exit 1
