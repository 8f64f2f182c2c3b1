#!/usr/bin/env bash
# The program's own share of one core and its resident memory while the
# stand-in game races 48 cars (today's protocol; 24 with the old one) at 100
# position sets a second.
# usage: bench/cpu-while-racing.sh [--gui] [--seconds N] [--build DIR] [--protocol modern|legacy]
#   [--draw auto|game|screen|both] (auto: the game's buttons with today's game)
#   [--windows WINDIR] (WINDIR/app/rennlupe.exe under Wine; wineserver's share is not counted)
#   headless by default; --gui runs the window (under Xvfb when there is no
#   display, whose own share is not counted); DIR defaults to build/release.
set -eu
cd "$(dirname "$0")/.."
gui=""
seconds=60
build=build/release
protocol=modern
draw=auto
windows=""
while [ $# -gt 0 ]; do
  case "$1" in
    --gui) gui=1; shift ;;
    --seconds) seconds=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --protocol) protocol=$2; shift 2 ;;
    --draw) draw=$2; shift 2 ;;
    --windows) windows=$2; shift 2 ;;
    *) echo "usage: bench/cpu-while-racing.sh [--gui] [--seconds N] [--build DIR] [--protocol modern|legacy] [--draw D]" >&2; exit 2 ;;
  esac
done
if [ -n "$gui" ] && [ -z "${DISPLAY:-}" ] && [ -z "${BENCH_UNDER_XVFB:-}" ]; then
  command -v xvfb-run > /dev/null || { echo "no display and no xvfb-run" >&2; exit 1; }
  exec env BENCH_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@" \
    --gui --seconds "$seconds" --build "$build" --protocol "$protocol" --draw "$draw"
fi
program=$build/app/rennlupe
[ -n "$windows" ] && program=$windows/app/rennlupe.exe
sim=$build/tools/insim-sim/insim-sim
[ -x "$program" ] && [ -x "$sim" ] || {
  echo "build $program and $sim first (cmake --preset release && cmake --build --preset release)" >&2
  exit 1
}

work=$(mktemp -d)
sim_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -TERM "$app_pid" 2> /dev/null
  [ -n "$sim_pid" ] && kill -TERM "$sim_pid" 2> /dev/null
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# The program keeps its settings beside itself: a copy in a folder of the run's own.
cp "$program" "$(dirname "$program")"/*.jpg "$work/"

# A loopback address of the run's own: the game listens on its usual port there.
game="127.$((100 + $$ % 100)).$(((($$ / 100) % 250) + 1)).$((RANDOM % 250 + 1))"
recv_port=$("$sim" --bind 0.0.0.0 --free-port)
cars=48
[ "$protocol" = legacy ] && cars=24
"$sim" --protocol "$protocol" --bind "$game" --cars "$cars" --rate 100 > "$work/sim.txt" 2>&1 &
sim_pid=$!
for ((i = 0; i < 200; i++)); do
  grep -qs listening "$work/sim.txt" && break
  sleep 0.05
done
front_end=(--headless)
[ -n "$gui" ] && front_end=()
launch=(./rennlupe)
[ -n "$windows" ] && launch=(wine ./rennlupe.exe) && export WINEDEBUG=-all
(cd "$work" && exec env QT_QPA_PLATFORM=xcb "${launch[@]}" "${front_end[@]}" --protocol "$protocol" --draw "$draw" --host "$game" \
  --recv-port "$recv_port" --connect > out.txt 2> err.txt) &
app_pid=$!

# utime + stime in clock ticks, and the resident set in kB, of the program.
ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
resident() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }

sleep 3  # connected and racing, the window shown
[ -d "/proc/$app_pid" ] || { echo "the program ended early:" >&2; cat "$work/err.txt" >&2; exit 1; }
lines_before=$(wc -l < "$work/out.txt")
rss_start=$(resident)
t0=$(ticks)
s0=$(date +%s.%N)
sleep "$seconds"
t1=$(ticks)
s1=$(date +%s.%N)
rss_end=$(resident)
lines_after=$(wc -l < "$work/out.txt")
hz=$(getconf CLK_TCK)
awk -v t="$((t1 - t0))" -v hz="$hz" -v a="$s0" -v b="$s1" -v fe="${gui:+window}" \
  -v r0="$rss_start" -v r1="$rss_end" -v n="$((lines_after - lines_before))" \
  -v p="$protocol" -v c="$cars" -v d="$draw" 'BEGIN {
  printf "%s program, %s protocol, drawing %s, %d cars at 100 sets/s for %.0f s\n", (fe == "" ? "headless" : fe), p, d, c, b - a
  printf "cpu: %.2f %% of one core\n", 100 * t / hz / (b - a)
  printf "resident memory: %.1f MiB at start, %.1f MiB at end\n", r0 / 1024, r1 / 1024
  printf "output lines: %d (%.1f a second)\n", n, n / (b - a)
}'
grep -q "^status: Connected" "$work/out.txt" 2> /dev/null || [ -n "$gui" ] ||
  echo "warning: the program never connected" >&2
