#!/bin/sh
# Runs a test program on a virtual X display of its own. Exit code 77 tells
# CTest that the test was skipped.
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run not found (packages xvfb and xauth): skipping this test"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
