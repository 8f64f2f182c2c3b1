#!/usr/bin/env bash
# Builds (dev preset) if needed, starts the stand-in game and the program
# against it, headless. Ctrl-C ends both; --seconds N ends them after N seconds.
set -eu
cd "$(dirname "$0")/.."
seconds=""
if [ "${1:-}" = "--seconds" ]; then
  seconds=$2
fi
if [ ! -x build/dev/app/rennlupe ] || [ ! -x build/dev/tools/insim-sim/insim-sim ]; then
  cmake --preset dev > /dev/null
  cmake --build --preset dev --target rennlupe insim-sim
fi
game=127.0.0.1
build/dev/tools/insim-sim/insim-sim --bind "$game" --cars 8 --rate 10 > /dev/null &
sim_pid=$!
build/dev/app/rennlupe --headless --host "$game" --recv-port 40050 --connect &
app_pid=$!
stop() {
  kill -TERM "$app_pid" 2> /dev/null || true
  wait "$app_pid" 2> /dev/null || true
  kill -TERM "$sim_pid" 2> /dev/null || true
  wait "$sim_pid" 2> /dev/null || true
}
trap stop EXIT INT TERM
if [ -n "$seconds" ]; then
  sleep "$seconds"
else
  wait "$app_pid"
fi
