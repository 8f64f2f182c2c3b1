#!/usr/bin/env bash
# End-to-end with today's protocol: the headless program against the stand-in game.
# usage: e2e-today.sh RENNLUPE INSIM_SIM SCENARIO   (race | auto | buttons | silence)
set -u
program=$1
sim=$2
scenario=$3

. "$(dirname "$0")/harness.sh"

# The stand-in game with our own options, up once it listens.
start_game() {
  "$sim" --bind "$address" "$@" > "$work/sim.txt" 2>&1 &
  sim_pid=$!
  expect_in "$work/sim.txt" "listening" 20
}

start_program() {
  (cd "$work" && exec ./rennlupe --headless --host "$address" --recv-port "$recv_port" \
    --connect "$@" > out.txt 2> err.txt) &
  app_pid=$!
}

# Seconds from "mm:ss:mmm", or "-" for "--:--:---".
gap_seconds='function secs(t) { if (t ~ /^-/) return "-"; split(t, p, ":"); return p[1] * 60 + p[2] + p[3] / 1000 }'

# Pairs each gap line the program printed with the stand-in game's truth for the set that
# caused it (the last one sent before the line), and prints the errors in milliseconds.
compare_gaps() {
  {
    sed -n 's/^truth: at=\([0-9.]*\) view=\([0-9]*\) V=\([-0-9.]*\) H=\([-0-9.]*\)$/\1 T \3 \4 \2/p' \
      "$work/sim.txt"
    sed -n 's/^\[\([0-9.]*\)\] overlay text: .* text=\(\^[12]\)\{0,1\}V - \([-0-9:]*\)\\r\(\^[12]\)\{0,1\}H - \([-0-9:]*\)$/\1 R \3 \5/p' \
      "$work/out.txt" | awk "$gap_seconds"' { print $1, $2, secs($3), secs($4) }'
  } | sort -g -k1,1 | awk '
    # Lines wait for the next truth: one shown between two views belongs to neither.
    function settle(sameView,   k, i, shown, truth, e) {
      for (k = 0; k < held; k++) {
        if (!sameView) { skipped++; continue }
        for (i = 0; i < 2; i++) {
          shown = i ? hh[k] : hv[k]; truth = i ? h : v
          if (shown == "-" && truth == "-") continue
          if (shown == "-") { missing++; continue }
          if (truth == "-") { wrong++; print "wrong at", ht[k], (i ? "H" : "V"), shown; continue }
          e = shown - truth; if (e < 0) e = -e
          print "error", e * 1000
        }
      }
      held = 0
    }
    $2 == "T" { settle(!known || $5 == view); v = $3; h = $4; view = $5; known = 1; next }
    known { ht[held] = $1; hv[held] = $3; hh[held] = $4; held++ }
    END { settle(1); print "missing", missing + 0; print "wrong", wrong + 0; print "skipped", skipped + 0 }' \
    > "$work/errors.txt"
  grep '^error ' "$work/errors.txt" | cut -d' ' -f2 | sort -g > "$work/sorted.txt"
  local count median p95
  count=$(wc -l < "$work/sorted.txt")
  [ "$count" -ge 50 ] || fail "only $count gaps to compare"
  median=$(sed -n "$(((count + 1) / 2))p" "$work/sorted.txt")
  p95=$(sed -n "$(((count * 95 + 99) / 100))p" "$work/sorted.txt")
  echo "gaps compared: $count, median error ${median} ms, 95th percentile ${p95} ms," \
    "$(grep '^missing' "$work/errors.txt" | cut -d' ' -f2) not shown where known," \
    "$(grep '^wrong ' "$work/errors.txt" | cut -d' ' -f2) shown where none is defined," \
    "$(grep '^skipped' "$work/errors.txt" | cut -d' ' -f2) skipped at a change of view"
  awk -v m="$median" -v p="$p95" 'BEGIN { exit !(m <= 20 && p <= 50) }' \
    || fail "gap error median $median ms (at most 20), 95th percentile $p95 ms (at most 50)"
  [ "$(grep '^wrong ' "$work/errors.txt" | cut -d' ' -f2)" = 0 ] ||
    fail "a gap shown where none is defined: $(grep '^wrong at' "$work/errors.txt" | tr '\n' ';')"
}

recv_port=$("$sim" --bind 0.0.0.0 --free-port) || fail "no free receive port"
place_program "$program"
chmod 755 "$work" "$work/rennlupe"

case "$scenario" in
race)
  start_game --protocol modern --cars 48 --rate 10 --truth --view-every 6 --leave-every 5 \
    --pit-every 4
  start_program --protocol modern --draw both --stamp
  expect_in "$work/out.txt" "status: Connected to LFS S3 " 15
  expect_in "$work/out.txt" "overlay text: .*text=V - [0-9][0-9]:[0-9][0-9]:[0-9][0-9][0-9]" 10
  expect_in "$work/out.txt" "overlay picture: show x=.* file=$work/schalten.jpg$" 10
  expect_in "$work/out.txt" "overlay picture: hide x=" 10
  expect_in "$work/out.txt" "button: id=200 l=[0-9]* t=[0-9]* w=[1-9][0-9]* h=[1-9][0-9]* text=^3V - " 10
  expect_in "$work/out.txt" "button: id=200 l=[0-9]* t=[0-9]* w=0 h=0 text=^3V - " 10
  expect_in "$work/out.txt" "button: id=202 .*text=^1SHIFT$" 10
  expect_in "$work/out.txt" "button: delete id=202$" 10
  expect_in "$work/sim.txt" "^leave " 15
  expect_in "$work/sim.txt" "^view " 15
  sleep 4
  stop_program || fail "the program did not end with 0 on SIGTERM"
  grep -q "^closed" "$work/sim.txt" || fail "no TINY_CLOSE reached the game"
  grep -q "button: clear$" "$work/out.txt" || fail "the buttons were not cleared on SIGTERM"
  grep -q "^\[Verbindung\]" "$work/rennlupe.ini" || fail "no connection section in the settings"
  compare_gaps
  ;;
auto)
  for generation in modern legacy; do
    start_game --protocol "$generation" --cars 6 --rate 20
    start_program --protocol auto
    if [ "$generation" = modern ]; then
      expect_in "$work/out.txt" "status: Connected to LFS S3 " 10
    else
      expect_in "$work/out.txt" "status: Connected to LFS S2 0.7F" 10
    fi
    if [ "$generation" = modern ]; then
      expect_in "$work/out.txt" "^button: id=200 " 10  # auto draws with the game's buttons
    else
      expect_in "$work/out.txt" "overlay text: " 10
    fi
    stop_program || fail "the program did not end with 0 on SIGTERM ($generation)"
    grep -q "closed" "$work/sim.txt" || fail "no close reached the $generation game"
    kill "$sim_pid"; wait "$sim_pid" 2>/dev/null; sim_pid=""
    rm -f "$work/out.txt"
  done
  ;;
buttons)
  # SHIFT+B in the game every 2 s: nothing is sent while cleared, all again when asked.
  start_game --protocol modern --cars 6 --rate 20 --shift-b-every 2
  start_program --protocol modern --draw game
  expect_in "$work/sim.txt" "^button: id=200 " 10
  expect_in "$work/sim.txt" "^user asked for buttons" 10
  sleep 0.5
  stop_program || fail "the program did not end with 0 on SIGTERM"
  # A text already on its way when the user clears may still arrive; steady sending may not
  # (20 sets a second would be dozens of packets).
  clears=$(grep -c "^user cleared buttons" "$work/sim.txt")
  hidden=$(grep -c "^button hidden:" "$work/sim.txt")
  [ "$hidden" -le $((2 * clears)) ] ||
    fail "$hidden buttons were sent after $clears clears by the user"
  asked=$(grep -n "^user asked for buttons" "$work/sim.txt" | head -1 | cut -d: -f1)
  again=$(grep -n "^button: id=200 " "$work/sim.txt" | tail -1 | cut -d: -f1)
  [ "$again" -gt "$asked" ] || fail "the buttons were not sent again when asked for"
  cleared=$(grep -n "^buttons cleared" "$work/sim.txt" | tail -1 | cut -d: -f1)
  closed=$(grep -n "^closed" "$work/sim.txt" | tail -1 | cut -d: -f1)
  [ -n "$cleared" ] && [ -n "$closed" ] && [ "$cleared" -lt "$closed" ] ||
    fail "no BFN_CLEAR before TINY_CLOSE"
  ;;
silence)
  start_game --protocol modern --cars 6 --rate 20 --silent-after 1
  start_program --protocol modern --keepalive-ms 10
  expect_in "$work/out.txt" "^status: Connected to LFS S3 " 10
  expect_in "$work/out.txt" "^status: No response in 2 minutes.. InSim running?$" 15
  stop_program || fail "exit status"
  ;;
*)
  echo "unknown scenario $scenario"; exit 2
  ;;
esac
echo "passed: $scenario"
