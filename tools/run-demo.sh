#!/usr/bin/env bash
# Builds (dev preset) if needed, starts the stand-in game and the program
# against it: in its window when there is a display, else headless. Closing
# the window or Ctrl-C ends both; --seconds N ends them after N seconds;
# --headless keeps the program in the terminal.
set -eu
cd "$(dirname "$0")/.."
seconds=""
front_end=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --headless) front_end=(--headless); shift ;;
    *) echo "usage: tools/run-demo.sh [--seconds N] [--headless]" >&2; exit 2 ;;
  esac
done
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  front_end=(--headless)
fi
if [ ! -x build/dev/app/rennlupe ] || [ ! -x build/dev/tools/insim-sim/insim-sim ]; then
  cmake --preset dev > /dev/null
  cmake --build --preset dev --target rennlupe insim-sim
fi
sim=build/dev/tools/insim-sim/insim-sim
game=127.0.0.1
recv_port=$("$sim" --bind 0.0.0.0 --free-port)
sim_log=$(mktemp)
# With a display the stand-in game shows its screen too: the gap lines as the game's buttons.
screen=()
[ ${#front_end[@]} -eq 0 ] && screen=(--screen)
"$sim" --protocol modern "${screen[@]}" --bind "$game" --cars 16 --rate 10 > "$sim_log" &
sim_pid=$!
# The program's first try must find the game listening, even on a busy machine.
for ((i = 0; i < 200; i++)); do
  grep -q listening "$sim_log" && break
  sleep 0.05
done
build/dev/app/rennlupe "${front_end[@]}" --protocol auto --draw auto --host "$game" \
  --recv-port "$recv_port" --connect &
app_pid=$!
stop() {
  kill -TERM "$app_pid" 2> /dev/null || true
  wait "$app_pid" 2> /dev/null || true
  kill -TERM "$sim_pid" 2> /dev/null || true
  wait "$sim_pid" 2> /dev/null || true
  rm -f "$sim_log"
}
trap stop EXIT INT TERM
if [ -n "$seconds" ]; then
  sleep "$seconds"
else
  wait "$app_pid"
fi
