#!/usr/bin/env bash
# The Windows program under Wine against this machine's stand-in game, over loopback:
# today's protocol, gaps as buttons, the settings panel moved by clicks and saved,
# and Ctrl-C (SIGINT, which Wine hands to the console's handler) ending it cleanly.
# usage: e2e-wine.sh WINE RENNLUPE_EXE INSIM_SIM
set -u
wine=$1
exe=$2
sim=$3

. "$(dirname "$0")/../e2e/harness.sh"

if [ ! -x "$sim" ]; then
  # CI builds the stand-in game for this machine first; elsewhere it may be missing.
  [ -n "${CI:-}" ] && fail "no stand-in game for this machine at $sim (build the dev preset)"
  echo "SKIPPED: no stand-in game for this machine at $sim (build the dev preset)"
  exit 77
fi
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-rennlupe}
started=$(date +%s.%N)

place_program "$exe" "X position=500"
game_port=$("$sim" --free-port)
recv_port=$("$sim" --free-port)

# The handle (ClickID 217) opens the panel, "Text >" (206) moves the lines twice by 10
# pixels, "!rl" in the chat closes it and the handle returns.
"$sim" --port "$game_port" --cars 16 --rate 10 --click 3:217 --click 4:206 --click 4.5:206 \
  --type 5.5:!rl --run-for 60 > "$work/sim.txt" 2>&1 &
sim_pid=$!
expect_in "$work/sim.txt" "listening" 20
(cd "$work" && exec "$wine" ./rennlupe.exe --headless --connect --game-port "$game_port" \
  --recv-port "$recv_port" > out.txt 2> err.txt) &
app_pid=$!

expect_in "$work/out.txt" "^status: Connected to LFS S3" 40
expect_in "$work/out.txt" "^button: id=201 .*text=^3H - [0-9][0-9]:[0-9][0-9]:[0-9]" 10
expect_in "$work/sim.txt" "^button: id=206 .*text=>" 15
# Each click moves the lines and saves the six keys at once.
expect_in "$work/rennlupe.ini" "^X position=520"$'\r' 15
grep -c "^user clicked 206" "$work/sim.txt" | grep -qx 2 || fail "the two clicks did not both reach the program"
for key in "X position" "Y position" Farbe $'Gr\xf6\xdfe' "Grafik X" "Grafik Y"; do
  LC_ALL=C grep -qa "^$key=[0-9]*"$'\r$' "$work/rennlupe.ini" || fail "the clicks did not save $key"
done
expect_in "$work/out.txt" "^button: id=200 l=" 5
expect_in "$work/sim.txt" "^user typed !rl" 10
expect_in "$work/sim.txt" "^button: delete id=216" 5
for ((i = 0; i < 100; i++)); do
  [ "$(grep -c "^button: id=217 " "$work/sim.txt")" -ge 2 ] && break
  sleep 0.05
done
[ "$i" -lt 100 ] || fail "the handle did not come back when the panel closed"

# Ctrl-C: Wine turns SIGINT to the program's process into the console's CTRL_C_EVENT.
program=$(pgrep -f "rennlupe.exe --headless --connect --game-port $game_port" | head -1)
[ -n "$program" ] || fail "the program's process was not found"
kill -INT "$program"
for ((i = 0; i < 300; i++)); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$app_pid" 2>/dev/null && fail "Ctrl-C did not end the program within 15 s"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with $status after Ctrl-C"
expect_in "$work/out.txt" "^button: clear" 1
expect_in "$work/sim.txt" "^buttons cleared" 2
expect_in "$work/sim.txt" "^closed" 2
tr -d '\r' < "$work/rennlupe.ini" | grep -qx "Protokoll=auto" || fail "the settings were not saved at the end"
echo "passed in $(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }') s"
