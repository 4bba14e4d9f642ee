# Steps of the editor's end-to-end tests. Sourced by each test with the
# editor program as $1 and the close-request helper as $2.
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh" braskit

BRASKIT=$(realpath "$1")
SEND_CLOSE=$(realpath "$2")

# The first-start client size of the main window (MainFrame.cpp).
FIRST_CLIENT_HEIGHT=480

# floor_course W H: a course of Floor cells at height 0.
floor_course() {
  le32 "$1"; le32 "$2"
  local i
  for (( i = 0; i < $1 * $2; i++ )); do cell "$FLOOR" 0 0 0 0; done
}

# start_editor ARGS...: starts Braskit; sets PROGRAM_PID.
start_editor() { start_program editor.log "$BRASKIT" "$@"; }

# main_window: waits for the main window, focuses it and sets MAIN, WIN_X,
# WIN_Y and VIEW_TOP (the screen y of the view's first pixel row).
main_window() {
  MAIN=$(wait_window ' - Braskit$')
  sleep 0.5
  focus "$MAIN"
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  WIN_X=$X
  WIN_Y=$Y
  # The menu bar takes what the first-start client area leaves.
  VIEW_TOP=$(( Y + HEIGHT - FIRST_CLIENT_HEIGHT ))
}

# drag X1 Y1 X2 Y2: a left-button drag in view pixels.
drag() {
  xdotool mousemove $(( WIN_X + $1 )) $(( VIEW_TOP + $2 ))
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mousemove $(( WIN_X + $3 )) $(( VIEW_TOP + $4 ))
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}

# pixel X Y: the colour on screen at view pixel (X, Y), as "R,G,B".
pixel() {
  import -window root -crop "1x1+$(( WIN_X + $1 ))+$(( VIEW_TOP + $2 ))" -depth 8 txt:- \
    | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "view pixel ($1, $2) is $got, expected $3${4:+ ($4)}"
}

# wait_file_equals FILE EXPECTED-FILE
wait_file_equals() {
  local i
  for (( i = 0; i < 50; i++ )); do
    cmp -s "$1" "$2" && return 0
    sleep 0.1
  done
  echo "saved:    $(od -An -tx1 "$1" | tr -s ' \n' ' ')" >&2
  echo "expected: $(od -An -tx1 "$2" | tr -s ' \n' ' ')" >&2
  fail "$1 does not hold the expected bytes"
}

close_window() { "$SEND_CLOSE" "$1"; sleep 0.3; }

window_name() { xdotool getwindowname "$1"; }

expect_title() {
  local i name
  for (( i = 0; i < 30; i++ )); do
    name=$(window_name "$1")
    [ "$name" = "$2" ] && return 0
    sleep 0.1
  done
  fail "title is \"$name\", expected \"$2\""
}
