# Watching a running program as its user can: its processor time from /proc
# and the frame rate its title shows, read with xdotool; and closing it with
# Escape. Sourced by the benches that run Brask and glview-demo under the
# display they are given.

# cpu_ticks PID: utime + stime of a process, in clock ticks, all its threads
# included.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat")
  stat=${stat##*) }   # drop "pid (comm) ", comm may hold spaces
  awk '{ print $12 + $13 }' <<<"$stat"
}

# rate_window PID NAME: the id of the program's window once its title shows
# the frame rate (from the first animated frame on); fails if the program
# ends or no such title comes within 30 s.
rate_window() {
  local i id
  for (( i = 0; i < 300; i++ )); do
    id=$(xdotool search --onlyvisible --name "^$2 \\( [0-9]+ Frames/sec \\)\$" 2>/dev/null | head -1 || true)
    [ -z "$id" ] || { echo "$id"; return 0; }
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# watch_program PID WINDOW SECONDS: over that long, prints the processor
# share of one core, the seconds watched, and the mean, lowest and highest
# of the frame rates the title showed, read twice a second (the title shows
# the rate of one frame interval on every 16th frame).
watch_program() {
  local pid=$1 window=$2 start_ticks start_ns end_ns end_ticks rates=() title
  start_ticks=$(cpu_ticks "$pid")
  start_ns=$(date +%s%N)
  end_ns=$(( start_ns + $3 * 1000000000 ))
  while (( $(date +%s%N) < end_ns )); do
    sleep 0.5
    title=$(xdotool getwindowname "$window")
    [[ $title =~ \(\ ([0-9]+)\ Frames/sec\ \)$ ]] && rates+=("${BASH_REMATCH[1]}")
  done
  end_ticks=$(cpu_ticks "$pid")
  end_ns=$(date +%s%N)
  awk -v t="$(( end_ticks - start_ticks ))" -v hz="$(getconf CLK_TCK)" -v ns="$(( end_ns - start_ns ))" \
      -v rates="${rates[*]}" '
    BEGIN {
      n = split(rates, r, " "); low = r[1]; high = r[1]
      for (i = 1; i <= n; i++) { sum += r[i]; if (r[i] < low) low = r[i]; if (r[i] > high) high = r[i] }
      printf "%.1f %.1f %.1f %d %d\n", 100 * t / hz / (ns / 1e9), ns / 1e9, n ? sum / n : 0, low, high
    }'
}

# close_program PID WINDOW: Escape in the window, as its user closes it;
# fails unless the program then ends by itself with status 0 within 10 s.
close_program() {
  local i status=0
  xdotool windowfocus --sync "$2" 2>/dev/null || xdotool windowfocus "$2"
  sleep 0.3
  xdotool key Escape
  for (( i = 0; i < 100; i++ )); do kill -0 "$1" 2>/dev/null && sleep 0.1 || break; done
  if kill -0 "$1" 2>/dev/null; then
    kill "$1"
    wait "$1" || true
    return 1
  fi
  wait "$1" || status=$?
  return "$status"
}
