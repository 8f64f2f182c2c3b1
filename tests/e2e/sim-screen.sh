#!/usr/bin/env bash
# The stand-in game's screen on a virtual X display: two buttons sent over loopback
# must be drawn where the 200 by 200 grid puts them, one in red. The grab is kept as OUTPUT.
# usage: sim-screen.sh INSIM_SIM OUTPUT   (run under xvfb-run)
set -u
sim=$1
output=$2

. "$(dirname "$0")/harness.sh"
need_screen_tools

"$sim" --bind "$address" --screen --run-for 100 > "$work/sim.txt" 2>&1 &
sim_pid=$!
await_line() {
  local i
  for ((i = 0; i < 400; i++)); do
    grep -q "$1" "$work/sim.txt" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "no line '$1' from the stand-in game within 20 s"
}
# One datagram of these bytes, given as hex, to the stand-in game: cat writes the
# file at once, where printf writes up to each 0 byte.
send_hex() {
  printf '%b' "$(printf '%s' "$1" | sed 's/../\\x&/g')" > "$work/datagram"
  cat "$work/datagram" > "/dev/udp/$address/29999"
}
text_hex() {
  printf '%s' "$1" | od -An -tx1 | tr -d ' \n'
}
await_line listening

# IS_ISI: replies to port 1 (nothing listens), no flags, version 10, no password.
send_hex "0b010000010000000a000000$(printf '0%.0s' {1..64})"
await_line "link up"
# IS_BTN: size, type 45, ReqI 1, UCID 0, ClickID, Inst 0, BStyle ISB_DARK, TypeIn 0, L T W H, text.
send_hex "072d010001002000$(printf '%02x' 90 30 30 6)$(text_hex '^1V - 00:01:234')00"
send_hex "072d010002002000$(printf '%02x' 90 36 30 6)$(text_hex 'H - 00:00:567')000000"
await_line "button: id=2"

# Pixels for which the fx expression holds, in a region of the grab.
count() {
  timeout 20 convert "$output" -crop "$1" +repage -fx "$2" -format '%[fx:round(mean*w*h)]' info:
}
red='r > 0.7 && g < 0.35 && b < 0.35'
grey='r > 0.5 && abs(r - g) < 0.08 && abs(g - b) < 0.08'
# On 960x540: x = L*960/200, y = T*540/200, so 144x16 at 432,81 and 432,97.2.
top=144x16+432+81
below=144x15+432+98
window=$(timeout 20 xwininfo -name "insim-sim screen" | awk '/Window id:/ { print $4 }')
[ -n "$window" ] || fail "no window named 'insim-sim screen'"
drawn=0
while [ "$SECONDS" -lt 60 ]; do
  sleep 0.25
  timeout 20 import -window "$window" "$output" 2> /dev/null || continue
  drawn=$(count "$top" "$red") || drawn=0
  [ "$drawn" -ge 30 ] && break
done
[ "$drawn" -ge 30 ] || fail "no red text in the upper button at $top ($drawn pixels)"
size=$(timeout 20 convert "$output" -format '%wx%h' info:)
[ "$size" = 960x540 ] || fail "the window is $size, not 960x540"
all_red=$(count 960x540+0+0 "$red")
[ "$all_red" -eq "$drawn" ] || fail "red outside the upper button ($all_red pixels, $drawn inside)"
text=$(count "$below" "$grey")
[ "$text" -ge 30 ] || fail "no light grey text in the lower button at $below ($text pixels)"
# Dark fill just inside the upper button's corner, the background just above it.
inside=$(count 2x2+433+82 'r < 0.1 && g < 0.1 && b < 0.1')
outside=$(count 2x2+433+77 'r < 0.1 && g < 0.1 && b < 0.1')
[ "$inside" -eq 4 ] && [ "$outside" -eq 0 ] || fail "the dark fill is not where the grid says"

kill -TERM "$sim_pid"
wait "$sim_pid"
status=$?
sim_pid=""
[ "$status" -eq 0 ] || fail "the stand-in game ended with $status after SIGTERM"
grep -q '^stopped$' "$work/sim.txt" || fail "the stand-in game did not say stopped"
echo "buttons drawn ($drawn red pixels, $text grey); grab: $output"
