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

fail() {
  echo "FAILED: $*"
  echo "--- program output"; cat "$work/out.txt" 2>/dev/null
  echo "--- program errors"; cat "$work/err.txt" 2>/dev/null
  echo "--- stand-in game"; cat "$work/sim.txt" 2>/dev/null
  exit 1
}

# Ends the program as a user's SIGTERM does; its exit status is the result.
stop_program() {
  kill -TERM "$app_pid"
  wait "$app_pid"
  local status=$?
  app_pid=""
  return $status
}

address="127.$((100 + $$ % 100)).$(((($$ / 100) % 250) + 1)).$((RANDOM % 250 + 1))"
