#!/usr/bin/env bash
# Installs the build into a throwaway DESTDIR with the prefix /usr, as a
# package does, and checks what a desktop and a packager find there: the
# exact tree, launchers, course file type, metadata, icons and manual pages
# that their own validators pass, and, with a display, both programs started
# the way their launchers start them. Usage: install_tree.sh BUILD SOURCE
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }
build=$(realpath "$1")
source_dir=$(realpath "$2")
# shellcheck source=/dev/null
source "$build/desktop/install-names.sh"
work=$(mktemp -d /tmp/brask-install.XXXXXX)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
dest=$work/dest
at() { case $1 in /*) echo "$dest$1" ;; *) echo "$dest/usr/$1" ;; esac; }
bin=$(at "$BINDIR") share=$(at "$DATADIR") courses=$(at "$COURSES_DIR") man6=$(at "$MANDIR")/man6
apps=$share/applications hicolor=$share/icons/hicolor mime=$share/mime/packages/brask.xml

step "install into $dest: exactly the expected files, nothing outside it"
touch "$work/stamp"
DESTDIR=$dest cmake --install "$build" --prefix /usr >"$work/log" 2>&1 || { cat "$work/log"; fail "install"; }
{
  echo "$bin/brask"; echo "$bin/braskit"; echo "$bin/brask-thumbnailer"; echo "$share/thumbnailers/brask.thumbnailer"
  echo "$mime"; echo "$man6/brask.6"; echo "$man6/braskit.6"; echo "$man6/brask-thumbnailer.6"
  for course in "$source_dir"/courses/*.hfd; do echo "$courses/$(basename "$course")"; done
  for id in "$GAME_ID" "$EDITOR_ID"; do
    echo "$apps/$id.desktop"; echo "$share/metainfo/$id.metainfo.xml"; echo "$hicolor/scalable/apps/$id.svg"
    for size in $ICON_SIZES; do echo "$hicolor/${size}x$size/apps/$id.png"; done
  done
  echo "$hicolor/scalable/mimetypes/$COURSE_ICON.svg"
  for size in $ICON_SIZES; do echo "$hicolor/${size}x$size/mimetypes/$COURSE_ICON.png"; done
} | sort >"$work/expected.txt"
find "$dest" \( -type f -o -type l \) | sort | diff -u "$work/expected.txt" - || fail "the tree differs (+ unexpected)"
strays=$(find /usr /etc /opt -xdev -cnewer "$work/stamp" -iname '*brask*' 2>/dev/null || true)
[ -z "$strays" ] || fail "files appeared outside DESTDIR: $strays"
for course in "$source_dir"/courses/*.hfd; do cmp "$course" "$courses/$(basename "$course")"; done

step "the validators pass the launchers, the metadata, the file type and the manual pages"
key() { sed -n "s/^$2=//p" "$apps/$1.desktop" | head -1; }
for id in "$GAME_ID" "$EDITOR_ID"; do
  remarks=$(desktop-file-validate "$apps/$id.desktop" 2>&1) && [ -z "$remarks" ] || fail "$id.desktop: $remarks"
  [ -x "$bin/$(key "$id" Exec | cut -d' ' -f1)" ] && [[ " $(key "$id" Exec) " == *" %f "* ]] || fail "$id: Exec"
  for size in $ICON_SIZES; do
    file -b "$hicolor/${size}x$size/apps/$(key "$id" Icon).png" | grep -q "^PNG image data, $size x $size," \
      || fail "no $size-pixel icon for $id"
  done
  # Plain ids get this one remark; anything else is ours to mend.
  remarks=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" 2>&1 || true)
  ! grep -E '^ *[EWIP]: ' <<<"$remarks" | grep -v ': cid-desktopapp-is-not-rdns ' || fail "$id metainfo"
  grep -q "<release version=\"$VERSION\"" "$share/metainfo/$id.metainfo.xml" || fail "$id metainfo: release"
done
xmllint --noout "$mime" "$hicolor"/scalable/*/*.svg
for png in "$hicolor"/*/*/*.png; do  # each the rendering of its drawing, as scripts/render-icons.sh makes it
  size=${png#"$hicolor"/} svg=$source_dir/desktop/icons/$(basename "$png" .png).svg
  size=${size%%x*}
  [ -f "$(dirname "$svg")/$size/$(basename "$svg")" ] && svg=$(dirname "$svg")/$size/$(basename "$svg")
  rsvg-convert --width "$size" --height "$size" --output "$work/fresh.png" "$svg"
  # Another renderer may round an edge pixel otherwise; a changed drawing moves whole shapes.
  [ "$(compare -metric AE -fuzz 4% "$png" "$work/fresh.png" null: 2>&1 || true)" = 0 ] || fail "$png is not $svg"
done
cp -r "$share" "$work/share"
export XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$work/share:/usr/share"
remarks=$(update-mime-database "$work/share/mime" 2>&1) && [ -z "$remarks" ] || fail "update-mime-database: $remarks"
type=$(sed -n 's/^[0-9]*:\([^:]*\):\*\.hfd$/\1/p' "$work/share/mime/globs2")
grep -qx "$type:$COURSE_ICON" "$work/share/mime/icons" || fail "*.hfd is '$type', without the icon $COURSE_ICON"
update-desktop-database "$work/share/applications"
grep -qx "$type=$EDITOR_ID.desktop;" "$work/share/applications/mimeinfo.cache" || fail "courses do not open in Braskit"
for page in brask braskit brask-thumbnailer; do
  warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$man6/$page.6" 2>&1 >"$work/$page.txt") \
    && [ -z "$warnings" ] \
    || fail "man $page: $warnings"
  [ "$page" = brask-thumbnailer ] || grep -qF "/usr/$COURSES_DIR" "$work/$page.txt" || fail "man $page: no courses"
done
step "the thumbnailer entry, as a file manager runs it, draws a course of the type it names"
entry=$share/thumbnailers/brask.thumbnailer
grep -qx "MimeType=$type;" "$entry" || fail "the thumbnailer is not for $type"
read -r -a argv <<<"$(sed -n "s|^Exec=||; s|%s|128|; s|%i|$courses/04-terraces.hfd|; s|%o|$work/t.png|p" "$entry")"
"$dest${argv[0]}" "${argv[@]:1}" && file -b "$work/t.png" | grep -q '^PNG image data, 64 x 128,' || fail "no thumbnail"

[ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null || { echo "PASS (no display: no launcher started)"; exit 0; }
step "each launcher starts its program on a course, in a window of the launcher's class"
for id in "$EDITOR_ID" "$GAME_ID"; do
  title='^04-terraces\.hfd - Braskit$'
  [ "$id" = "$GAME_ID" ] && title='^Brask \( [0-9]+ Frames/sec \)$'
  read -r -a argv <<<"$(key "$id" Exec | sed "s|%f|$courses/04-terraces.hfd|")"
  PATH="$bin:$PATH" HOME="$work/home" "${argv[@]}" >"$work/$id.log" 2>&1 &
  pid=$!
  for (( i = 0; i < 150; i++ )); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "$id ended: $(cat "$work/$id.log")"
    sleep 0.1
  done
  [ -n "$window" ] || fail "$id shows no window \"$title\""
  xprop -id "$window" WM_CLASS | grep -q "\"$(key "$id" StartupWMClass)\"$" || fail "$id: the window's class"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
done
echo "PASS"
