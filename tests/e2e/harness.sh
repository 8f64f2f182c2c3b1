# Sourced by the end-to-end scripts: a work folder of the run's own, the two
# processes ended with it, fail with everything they wrote, the program ended
# with SIGTERM, and a loopback address of the run's own for the stand-in game.
work=$(mktemp -d)
sim_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The X tools a screenshot needs; without them the test is skipped (77).
need_screen_tools() {
  local tool
  for tool in import convert xwininfo; do
    command -v "$tool" > /dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
  done
}

# The program (and its pictures) copied into the work folder, where it keeps its settings;
# with a second argument, "[Positionen]" lines (key=value, one per argument after it) first.
place_program() {
  cp "$1" "$(dirname "$1")"/*.jpg "$work/"
  shift
  [ $# -gt 0 ] && printf '[Positionen]\r\n' > "$work/rennlupe.ini" &&
    printf '%s\r\n' "$@" >> "$work/rennlupe.ini"
  return 0
}

fail() {
  echo "FAILED: $*"
  echo "--- program output"; cat "$work/out.txt" 2>/dev/null
  echo "--- program errors"; cat "$work/err.txt" 2>/dev/null
  echo "--- stand-in game"; cat "$work/sim.txt" 2>/dev/null
  exit 1
}

# Waits up to $3 seconds for a line matching $2 in the file $1.
expect_in() {
  local file=$1 pattern=$2 seconds=${3:-10} i
  for ((i = 0; i < seconds * 20; i++)); do
    grep -q -- "$pattern" "$file" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "no line matching '$pattern' in $(basename "$file") within $seconds s"
}

# Starts the stand-in game on the run's address and waits until it listens, so
# the program's first initialisation packet is not lost on a busy machine.
start_sim() {
  "$sim" --protocol legacy --bind "$address" --cars 6 --rate 20 "$@" > "$work/sim.txt" 2>&1 &
  sim_pid=$!
  local i
  for ((i = 0; i < 400; i++)); do
    grep -q listening "$work/sim.txt" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "the stand-in game did not start within 20 s"
}

# Ends the program as a user's SIGTERM does; its exit status is the result
# (137 when it had to be killed because it did not end within 20 s).
stop_program() {
  kill -TERM "$app_pid"
  (sleep 20 && kill -KILL "$app_pid") > /dev/null 2>&1 &
  local watchdog=$!
  wait "$app_pid"
  local status=$?
  kill "$watchdog" 2>/dev/null
  wait "$watchdog" 2>/dev/null
  app_pid=""
  return $status
}

address="127.$((100 + $$ % 100)).$(((($$ / 100) % 250) + 1)).$((RANDOM % 250 + 1))"
