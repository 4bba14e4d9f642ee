#!/usr/bin/env bash
# Checks every #include of the libraries against the walls between them.
# The walls are the README's layout table, the one place they are written:
# each row names a folder, what it holds, and in its last cell what it may
# use, as `folder/` names, names of outside libraries (`wx`, `OpenGL`, `X11`,
# `FTGL`, `FreeType`, `fontconfig`, `PNG`, `version` for the generated version
# header) or "anything". The C++ and POSIX headers are always allowed.
# Prints each include that crosses a wall and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A uses=()
folders=()
while IFS= read -r row; do
  folder=$(sed -n 's/^| `\([^`]*\/\)` |.*/\1/p' <<<"$row")
  [ -n "$folder" ] || continue
  folders+=("$folder")
  uses[$folder]=$(awk -F'|' '{print $(NF-1)}' <<<"$row" | grep -o '`[^`]*`\|anything' | tr -d '`' | xargs || true)
done < <(sed -n '/^## Layout/,/^## /p' README.md)
(( ${#folders[@]} > 0 )) || { echo "check-walls: no layout table in README.md" >&2; exit 1; }

# The deepest folder of the table that holds PATH, or nothing.
owner() {
  local best="" f
  for f in "${folders[@]}"; do
    [[ $1 == "$f"* && ${#f} -gt ${#best} ]] && best=$f
  done
  echo "$best"
}
# What an include names: a folder of the table, an outside library, or
# nothing for the C++ and POSIX headers.
named() {
  case $1 in
    \"BraskVersion.h\") echo version ;;
    \"*) owner "${1:1:-1}" | grep . || echo "unknown ${1}" ;;
    \<wx/*) echo wx ;;
    \<GL/glx.h\> | \<X11/*) echo X11 ;;
    \<GL/*) echo OpenGL ;;
    \<FTGL/*) echo FTGL ;;
    \<ft2build.h\>) echo FreeType ;;
    \<fontconfig/*) echo fontconfig ;;
    \<png.h\>) echo PNG ;;
    \<gtest/* | \<gmock/* | \<benchmark/*) echo test-tools ;;
  esac
}

crossings=0
for folder in "${folders[@]}"; do
  allowed=" ${uses[$folder]} "
  [[ $allowed == *" anything "* ]] && continue
  while IFS= read -r file; do
    [ "$(owner "$file")" = "$folder" ] || continue
    while IFS=: read -r line include; do
      what=$(named "$include")
      [ -z "$what" ] || [ "$what" = "$folder" ] || [[ $allowed == *" $what "* ]] && continue
      echo "check-walls: $file:$line includes $include, but $folder may not use ${what}" >&2
      crossings=$((crossings + 1))
    done < <(grep -no '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]*[>"]' "$file" | sed 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*/:/')
  done < <(find "$folder" -type f \( -name '*.cpp' -o -name '*.h' \))
done
if (( crossings > 0 )); then
  echo "check-walls: FAILED: $crossings include(s) cross the walls of the README's layout table" >&2
  exit 1
fi
echo "check-walls: every include keeps to the layout table (${#folders[@]} folders)"
