#!/usr/bin/env bash
# The program in its window on a virtual X display, against the stand-in game:
# the overlay must draw the gap lines where the sliders say, the main window
# must carry its title. The last screenshot is kept as OUTPUT.
# usage: screenshot.sh RENNLUPE INSIM_SIM OUTPUT   (run under xvfb-run, 1024x768x24)
set -u
program=$1
sim=$2
output=$3

. "$(dirname "$0")/harness.sh"
need_screen_tools
# Text at 560,300 in colour 65000 (0xFDE8: red E8, green FD), 28 pixels; picture at 560,160.
place_program "$program" "X position=560" "Y position=300" "Farbe=65000" $'Gr\xf6\xdfe=28' \
  "Grafik X=560" "Grafik Y=160"

start_sim
recv_port=$("$sim" --bind 0.0.0.0 --free-port) || fail "no free receive port"
"$work/rennlupe" --protocol legacy --host "$address" --recv-port "$recv_port" --connect \
  > "$work/out.txt" 2> "$work/err.txt" &
app_pid=$!

# Pixels of the text colour in a region of the screenshot. Every X and image
# tool is bounded, so a loaded machine gives a slow pass or a clear failure.
text_pixels() {
  timeout 20 convert "$output" -crop "$1" +repage -fuzz 12% -fill white -opaque '#E8FD00' \
    -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}

drawn=0
while [ "$SECONDS" -lt 60 ]; do
  sleep 0.25
  timeout 20 import -window root "$output" 2> /dev/null || continue
  drawn=$(text_pixels 460x120+560+300) || drawn=0
  [ "$drawn" -ge 40 ] && break
done
[ "$drawn" -ge 40 ] || fail "no gap lines drawn at 560,300 (text pixels: $drawn)"
stray=$(text_pixels 500x300+0+440)
[ "$stray" -eq 0 ] || fail "text colour outside the text region ($stray pixels)"
timeout 20 xwininfo -root -tree | grep -q '"Rennlupe"' || fail "no window titled Rennlupe"

stop_program
status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status after SIGTERM"
grep -q 'X position=560' "$work/rennlupe.ini" || fail "the settings were not written back"
echo "gap lines drawn ($drawn text pixels); screenshot: $output"
