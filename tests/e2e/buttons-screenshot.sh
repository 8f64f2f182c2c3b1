#!/usr/bin/env bash
# The program against today's stand-in game with its screen, on a virtual X display: the gap
# lines must be the game's buttons, drawn where the sliders put them. The grab is kept as OUTPUT.
# usage: buttons-screenshot.sh RENNLUPE INSIM_SIM OUTPUT   (run under xvfb-run)
set -u
program=$1
sim=$2
output=$3

. "$(dirname "$0")/harness.sh"
need_screen_tools
# Text at 960,432 of the game's 1920 x 1080 screen, 36 pixels, colour 65000 (nearest: ^3
# yellow): buttons at L 100, T 80, H 7 of the grid, the second line at T 87.
place_program "$program" "X position=960" "Y position=432" "Farbe=65000" $'Gr\xf6\xdfe=36' \
  "Grafik X=600" "Grafik Y=432"

"$sim" --bind "$address" --protocol modern --screen --cars 16 --rate 10 --view-every 1.5 \
  > "$work/sim.txt" 2>&1 &
sim_pid=$!
for ((i = 0; i < 400; i++)); do
  grep -q listening "$work/sim.txt" 2> /dev/null && break
  sleep 0.05
done
recv_port=$("$sim" --bind 0.0.0.0 --free-port) || fail "no free receive port"
"$work/rennlupe" --headless --protocol modern --draw game --host "$address" \
  --recv-port "$recv_port" --connect > "$work/out.txt" 2> "$work/err.txt" &
app_pid=$!

# Pixels for which the fx expression holds, in a region of the grab.
count() {
  timeout 20 convert "$output" -crop "$1" +repage -fx "$2" -format '%[fx:round(mean*w*h)]' info:
}
yellow='r > 0.7 && g > 0.7 && b < 0.35'
# On 960x540: x = L*960/200, y = T*540/200: 480,216 and 480,234.9, each 18.9 pixels tall.
ahead=150x18+481+217
behind=150x18+481+236
window=""
drawn=0
while [ "$SECONDS" -lt 60 ]; do
  sleep 0.25
  [ -n "$window" ] ||
    window=$(timeout 20 xwininfo -name "insim-sim screen" 2> /dev/null | awk '/Window id:/ { print $4 }')
  [ -n "$window" ] || continue
  # Once a car in the field is viewed, both lines show a time.
  for id in 200 201; do
    grep -E "^button( text)?: id=$id " "$work/sim.txt" | tail -1 | grep -q ' - 00:' || continue 2
  done
  timeout 20 import -window "$window" "$output" 2> /dev/null || continue
  drawn=$(count "$ahead" "$yellow") || drawn=0
  [ "$drawn" -ge 30 ] && break
done
[ "$drawn" -ge 30 ] || fail "no yellow V line in the button at $ahead ($drawn pixels)"
below=$(count "$behind" "$yellow")
[ "$below" -ge 30 ] || fail "no yellow H line in the button at $behind ($below pixels)"
grep -q "^button: id=200 l=100 t=80 w=[0-9]* h=7 style=96 text=V - " "$work/sim.txt" ||
  fail "the game did not get the V line at the sliders' place"

stop_program || fail "the program did not end with 0 on SIGTERM"
grep -q "^buttons cleared" "$work/sim.txt" || fail "the buttons were not cleared at the end"
echo "gap lines drawn as the game's buttons ($drawn and $below yellow pixels); grab: $output"
