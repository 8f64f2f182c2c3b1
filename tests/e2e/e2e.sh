#!/usr/bin/env bash
# End-to-end: the headless program against the stand-in game over loopback UDP.
# usage: e2e.sh RENNLUPE INSIM_SIM SCENARIO   (track | silence | nobody | nodisplay)
set -u
program=$1
sim=$2
scenario=$3

. "$(dirname "$0")/harness.sh"

# Waits up to $2 seconds for a line matching $1 in the program's output.
expect_line() {
  local pattern=$1 seconds=${2:-10} i
  for ((i = 0; i < seconds * 20; i++)); do
    grep -q -- "$pattern" "$work/out.txt" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "no line matching '$pattern' within $seconds s"
}

recv_port=$("$sim" --bind 0.0.0.0 --free-port) || fail "no free receive port"

place_program "$program"
chmod 755 "$work" "$work/rennlupe"

case "$scenario" in
track)
  start_sim
  (cd "$work" && exec ./rennlupe --headless --protocol legacy --host "$address" --recv-port "$recv_port" \
    --connect > out.txt 2> err.txt) &
  app_pid=$!
  expect_line "^status: Connecting to $address:29999 (1/3)$"
  expect_line "^status: Connected to LFS S2 0.7F$"
  expect_line "^link: Connected: S2 0.7F, 6 cars$"
  expect_line "^overlay text: x=.* text=.*[VH] - [0-9][0-9]:[0-9][0-9]:[0-9][0-9][0-9]"
  expect_line "^overlay picture: show x=.* file=$work/schalten.jpg$"
  expect_line "^overlay picture: hide x="
  # A line only when what it shows changed: never the same picture or text line twice running.
  for kind in picture text; do
    ! grep "^overlay $kind:" "$work/out.txt" | uniq -d | grep -q . || fail "an overlay $kind line repeats"
  done
  stop_program || fail "the program did not end with 0 on SIGTERM"
  # The link panel through the whole cycle, each state once.
  [ "$(grep '^link: ' "$work/out.txt" | tr '\n' '|')" = \
    "link: Not connected|link: Connecting 1/3|link: Connected: S2 0.7F|link: Connected: S2 0.7F, 6 cars|link: Not connected|" ] \
    || fail "the link lines are not the connection cycle"
  grep -q "closed" "$work/sim.txt" || fail "no close packet reached the game"
  grep -q "^\[Positionen\]" "$work/rennlupe.ini" || fail "no settings file beside the program"
  ;;
silence)
  start_sim --silent-after 1
  (cd "$work" && exec ./rennlupe --headless --protocol legacy --host "$address" --recv-port "$recv_port" \
    --keepalive-ms 10 --connect > out.txt 2> err.txt) &
  app_pid=$!
  expect_line "^status: Connected to LFS"
  expect_line "^status: No response in 2 minutes.. InSim running?$" 15
  [ "$(grep '^link: ' "$work/out.txt" | tail -1)" = "link: Not connected" ] \
    || fail "the link panel still shows a link"
  stop_program || fail "exit status"
  ;;
nobody)
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: needs root to run as nobody"; exit 0
  fi
  chown nobody "$work"
  # An ordinary user connects on the default receive port...
  start_sim
  (cd "$work" && exec runuser -u nobody -- env XDG_CONFIG_HOME="$work" ./rennlupe --headless --protocol legacy \
    --host "$address" --connect > out.txt 2> err.txt) &
  app_pid=$!
  expect_line "^status: Connected to LFS S2 0.7F$"
  stop_program  # runuser reports the signal as its own exit status
  # ...and a port below 1024 is refused with the reason, where the system keeps those for root.
  if [ "$(cat /proc/sys/net/ipv4/ip_unprivileged_port_start 2>/dev/null || echo 1024)" -gt 50 ]; then
    (cd "$work" && exec runuser -u nobody -- env XDG_CONFIG_HOME="$work" ./rennlupe --headless --protocol legacy \
      --recv-port 50 --connect > out.txt 2> err.txt) &
    app_pid=$!
    expect_line "^status: Could not create server socket! (permission denied: ports below 1024 need administrator rights here; use a port from 1024 up)$"
    stop_program
  fi
  ;;
nodisplay)
  # Without --headless and with a display that does not answer, it says so and runs headless.
  (cd "$work" && exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:97.0 ./rennlupe \
    --recv-port "$recv_port" > out.txt 2> err.txt) &
  app_pid=$!
  expect_line "^status: Willkommen!"
  grep -q '^rennlupe: the display ":97.0" cannot be opened; running headless$' "$work/err.txt" \
    || fail "no word about the display"
  stop_program || fail "the program did not end with 0 on SIGTERM"
  ;;
*)
  echo "unknown scenario $scenario"; exit 2
  ;;
esac
echo "passed: $scenario"
