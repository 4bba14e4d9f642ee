#!/usr/bin/env bash
# Installs the build into a throwaway DESTDIR with the prefix /usr, as a
# package does, and checks what a desktop finds there: the tree, the
# launchers, the course file type, the metadata, the icons, the manual pages
# and the programs themselves. With a display it also starts both programs
# the way their launchers do.
# Usage: install_tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

build=$(realpath "$1")
source_dir=$(realpath "$2")
# shellcheck source=/dev/null
source "$build/desktop/install-names.sh"

work=$(mktemp -d /tmp/brask-install.XXXXXX)
started_pid=""
cleanup() {
  if [ -n "$started_pid" ] && kill -0 "$started_pid" 2>/dev/null; then
    kill "$started_pid" 2>/dev/null || true
    wait "$started_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

dest=$work/dest
prefix=/usr
# installed FOLDER: where an install folder (relative to the prefix, or
# absolute) lands under DESTDIR.
installed() {
  case $1 in
    /*) echo "$dest$1" ;;
    *) echo "$dest$prefix/$1" ;;
  esac
}
bin=$(installed "$BINDIR")
share=$(installed "$DATADIR")
courses=$(installed "$COURSES_DIR")
man6=$(installed "$MANDIR")/man6
hicolor=$share/icons/hicolor
applications=$share/applications
mime_package=$share/mime/packages/brask.xml

step "install with DESTDIR=$dest and the prefix $prefix"
touch "$work/stamp"
if ! DESTDIR=$dest cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  fail "cmake --install failed"
fi
cp "$build/install_manifest.txt" "$work/manifest.txt"

step "nothing lands outside DESTDIR or the prefix"
# The manifest names each file as the system will see it, without DESTDIR.
while IFS= read -r path; do
  case $path in
    "$prefix"/*) ;;
    *) fail "installed outside the prefix $prefix: $path" ;;
  esac
  [ -f "$dest$path" ] || fail "$path is not under DESTDIR"
done <"$work/manifest.txt"
# A rule with an absolute destination would skip DESTDIR and write into the
# real system, which the manifest might not show as such.
strays=$(find /usr /etc /opt -xdev -cnewer "$work/stamp" -iname '*brask*' 2>/dev/null || true)
[ -z "$strays" ] || fail "files appeared outside DESTDIR: $strays"

step "the tree holds exactly the expected files"
{
  echo "$bin/brask"
  echo "$bin/braskit"
  for course in "$source_dir"/courses/*.hfd; do echo "$courses/$(basename "$course")"; done
  for id in "$GAME_ID" "$EDITOR_ID"; do
    echo "$applications/$id.desktop"
    echo "$share/metainfo/$id.metainfo.xml"
    echo "$hicolor/scalable/apps/$id.svg"
    for size in $ICON_SIZES; do echo "$hicolor/${size}x$size/apps/$id.png"; done
  done
  echo "$hicolor/scalable/mimetypes/$COURSE_ICON.svg"
  for size in $ICON_SIZES; do echo "$hicolor/${size}x$size/mimetypes/$COURSE_ICON.png"; done
  echo "$mime_package"
  echo "$man6/brask.6"
  echo "$man6/braskit.6"
} | sort >"$work/expected.txt"
find "$dest" \( -type f -o -type l \) | sort >"$work/found.txt"
if ! diff -u "$work/expected.txt" "$work/found.txt" >"$work/tree.diff"; then
  cat "$work/tree.diff"
  fail "the installed tree differs from the expected one (- missing, + unexpected)"
fi
for program in brask braskit; do
  [ -x "$bin/$program" ] || fail "$bin/$program is not executable"
done
for course in "$source_dir"/courses/*.hfd; do
  cmp -s "$course" "$courses/$(basename "$course")" || fail "installed $(basename "$course") differs from courses/"
done

step "the installed programs answer --version with $VERSION"
for program in Brask Braskit; do
  command=${program,,}
  answer=$("$bin/$command" --version)
  [ "$answer" = "$program $VERSION" ] || fail "$command --version says '$answer'"
done

step "desktop-file-validate passes both launchers without a remark"
for id in "$GAME_ID" "$EDITOR_ID"; do
  remarks=$(desktop-file-validate "$applications/$id.desktop" 2>&1) || fail "$id.desktop: $remarks"
  [ -z "$remarks" ] || fail "$id.desktop: $remarks"
done

# entry_key FILE KEY: the value of KEY in the entry's main group.
entry_key() { sed -n "s/^$2=//p" "$1" | head -1; }
course_type=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$mime_package")
course_icon=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/*[local-name()="icon"]/@name)' "$mime_package")
[ -n "$course_type" ] || fail "the MIME package names no type"
[ -n "$course_icon" ] || course_icon=${course_type/\//-}

step "each launcher starts an installed program, the editor's opens $course_type"
for id in "$GAME_ID" "$EDITOR_ID"; do
  exec_line=$(entry_key "$applications/$id.desktop" Exec)
  [ -x "$bin/${exec_line%% *}" ] || fail "$id.desktop runs '${exec_line%% *}', which is not in $bin"
  case " $exec_line " in
    *" %f "*) ;;
    *) fail "$id.desktop does not take a file (Exec=$exec_line)" ;;
  esac
done
case ";$(entry_key "$applications/$EDITOR_ID.desktop" MimeType)" in
  *";$course_type;"*) ;;
  *) fail "$EDITOR_ID.desktop does not list $course_type" ;;
esac

# has_icon CONTEXT NAME: the hicolor tree has NAME at every size, as a PNG
# of that size, and as SVG.
has_icon() {
  local size png kind
  for size in $ICON_SIZES; do
    png=$hicolor/${size}x$size/$1/$2.png
    [ -f "$png" ] || fail "no $size-pixel icon $2 in $1"
    kind=$(file -b "$png")
    grep -q "^PNG image data, $size x $size," <<<"$kind" || fail "$png is not a $size x $size PNG: $kind"
  done
  xmllint --noout "$hicolor/scalable/$1/$2.svg" || fail "$hicolor/scalable/$1/$2.svg is not well-formed"
}
step "every icon the launchers and the file type name is in the hicolor tree"
for id in "$GAME_ID" "$EDITOR_ID"; do
  has_icon apps "$(entry_key "$applications/$id.desktop" Icon)"
done
has_icon mimetypes "$course_icon"

step "xmllint: the MIME package and the metainfo are well-formed"
xmllint --noout "$mime_package" "$share/metainfo/$GAME_ID.metainfo.xml" "$share/metainfo/$EDITOR_ID.metainfo.xml"
schema=$(find /usr/share/shared-mime-info /usr/share/xml -maxdepth 3 \
  \( -name 'shared-mime-info*.rng' -o -name 'shared-mime-info*.xsd' \) 2>/dev/null | head -1 || true)
case $schema in
  *.rng) xmllint --noout --relaxng "$schema" "$mime_package" ;;
  *.xsd) xmllint --noout --schema "$schema" "$mime_package" ;;
  *) echo "   (no shared-mime-info schema installed; update-mime-database reads the package next)" ;;
esac

xdg=$work/xdg
mkdir -p "$xdg/home" "$xdg/config" "$xdg/etc"
cp -r "$share" "$xdg/share"
# A desktop of this tree's data and settings, the installed programs on PATH.
desktop_env=(env PATH="$bin:$PATH" XDG_DATA_HOME="$xdg/home" XDG_DATA_DIRS="$xdg/share:/usr/share"
             XDG_CONFIG_HOME="$xdg/config" XDG_CONFIG_DIRS="$xdg/etc" LC_ALL=C.UTF-8)
step "update-mime-database takes the package without a word and maps *.hfd to $course_type"
remarks=$("${desktop_env[@]}" update-mime-database "$xdg/share/mime" 2>&1) || fail "update-mime-database: $remarks"
[ -z "$remarks" ] || fail "update-mime-database: $remarks"
grep -qx "[0-9]*:$course_type:\*\.hfd" "$xdg/share/mime/globs2" || fail "globs2 has no *.hfd for $course_type"
grep -qx "$course_type:$course_icon" "$xdg/share/mime/icons" || fail "the MIME cache has no icon $course_icon for $course_type"

step "update-desktop-database makes the editor the handler of $course_type"
"${desktop_env[@]}" update-desktop-database "$xdg/share/applications"
grep -qx "$course_type=$EDITOR_ID.desktop;" "$xdg/share/applications/mimeinfo.cache" \
  || fail "mimeinfo.cache: $(cat "$xdg/share/applications/mimeinfo.cache")"

if command -v gio >/dev/null; then
  step "gio, as a file manager sees it: a course is $course_type and opens in $EDITOR_ID.desktop"
  cp "$courses/01-first-roll.hfd" "$work/SHOUTED.HFD"
  for course in "$courses/01-first-roll.hfd" "$work/SHOUTED.HFD"; do
    type=$("${desktop_env[@]}" gio info -a standard::content-type "$course" | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = "$course_type" ] || fail "gio takes $(basename "$course") for '$type'"
  done
  handlers=$("${desktop_env[@]}" gio mime "$course_type")
  grep -q "^Default application for .*: $EDITOR_ID\.desktop$" <<<"$handlers" || fail "gio mime: $handlers"
else
  echo "   (gio is not installed; skipped)"
fi

if command -v appstreamcli >/dev/null; then
  step "appstreamcli validate (no network, pedantic)"
  for id in "$GAME_ID" "$EDITOR_ID"; do
    metainfo=$share/metainfo/$id.metainfo.xml
    remarks=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1 || true)
    echo "$remarks" | sed 's/^/   /'
    # Plain ids get this one warning; anything else is ours to mend.
    others=$(echo "$remarks" | grep -E '^ *[EWIP]: ' | grep -v ': cid-desktopapp-is-not-rdns ' || true)
    [ -z "$others" ] || fail "$id.metainfo.xml: $others"
    [ "$(xmllint --xpath 'string(/component/id)' "$metainfo")" = "$id" ] || fail "$id.metainfo.xml has another id"
    launchable=$(xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo")
    [ "$launchable" = "$id.desktop" ] || fail "$id.metainfo.xml launches '$launchable'"
    release=$(xmllint --xpath 'string(/component/releases/release[1]/@version)' "$metainfo")
    [ "$release" = "$VERSION" ] || fail "$id.metainfo.xml names release '$release'"
  done
else
  echo "   (appstreamcli is not installed; skipped)"
fi

step "the manual pages render without warnings and name the installed courses"
for page in brask braskit; do
  warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$man6/$page.6" 2>&1 >"$work/$page.txt") \
    || fail "man $page: $warnings"
  [ -z "$warnings" ] || fail "man $page: $warnings"
  whatis=$(lexgrog "$man6/$page.6") || fail "lexgrog finds no NAME in $page.6"
  grep -q "\"$page - " <<<"$whatis" || fail "$page.6 names another command: $whatis"
  for text in "$prefix/$COURSES_DIR" "$VERSION" "SYNOPSIS" "OPTIONS" "CONTROLS" "FILES" "--version"; do
    grep -qF -- "$text" "$work/$page.txt" || fail "man $page does not show '$text'"
  done
done
grep -qF "BRASK_QUIT_AFTER" "$work/brask.txt" || fail "man brask does not explain BRASK_QUIT_AFTER"
grep -qF "GDK_BACKEND" "$work/brask.txt" || fail "man brask does not explain GDK_BACKEND"

if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null || ! command -v xprop >/dev/null; then
  echo "   (no display or no xdotool/xprop: the launchers were not started)"
  echo "PASS"
  exit 0
fi

# wait_window NAME-REGEX: prints the id of the visible window so named.
wait_window() {
  local i id
  for (( i = 0; i < 150; i++ )); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$started_pid" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window named \"$1\""
}
# launch ID FILE: runs the launcher's command line with FILE for %f, as a
# desktop does, with the installed programs first on PATH.
launch() {
  local word argv=()
  read -r -a words <<<"$(entry_key "$applications/$1.desktop" Exec)"
  for word in "${words[@]}"; do
    [ "$word" = "%f" ] && word=$2
    argv+=("$word")
  done
  PATH="$bin:$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "${argv[@]}" >"$work/$1.log" 2>&1 &
  started_pid=$!
}
# same_class WINDOW ID: the window's class is the launcher's StartupWMClass,
# so a dock matches the two.
same_class() {
  local class
  class=$(xprop -id "$1" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
  [ "$class" = "$(entry_key "$applications/$2.desktop" StartupWMClass)" ] \
    || fail "$2's window has the class '$class', its launcher says otherwise"
}
mkdir -p "$work/home"

step "the editor's launcher opens a course given as a file manager passes it"
launch "$EDITOR_ID" "$courses/04-terraces.hfd"
window=$(wait_window '^04-terraces\.hfd - Braskit$')
same_class "$window" "$EDITOR_ID"
[ -n "${BRASK_INSTALL_SHOTS:-}" ] && import -window root "$BRASK_INSTALL_SHOTS/braskit-installed.png"
kill "$started_pid"
wait "$started_pid" 2>/dev/null || true
started_pid=""

step "the game's launcher plays a course and ends by itself"
BRASK_QUIT_AFTER=3 launch "$GAME_ID" "$courses/03-ice-and-mud.hfd"
window=$(wait_window '^Brask')
same_class "$window" "$GAME_ID"
sleep 1
[ -n "${BRASK_INSTALL_SHOTS:-}" ] && import -window root "$BRASK_INSTALL_SHOTS/brask-installed.png"
status=0
wait "$started_pid" || status=$?
started_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$work/$GAME_ID.log")"
grep -q "frames drawn" "$work/$GAME_ID.log" || fail "the game did not play: $(cat "$work/$GAME_ID.log")"
echo "PASS"
