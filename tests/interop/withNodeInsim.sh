#!/usr/bin/env bash
# Runs a command once node-insim is installed under PREFIX, else skips (or fails in CI).
# usage: withNodeInsim.sh PREFIX COMMAND [ARGUMENTS...]
set -u
prefix=$1
shift
. "$(dirname "$0")/skipOutsideCi.sh"

[ -f "$prefix/node_modules/node-insim/package.json" ] ||
  skip_outside_ci "node-insim is not installed under $prefix (see interop_npm_ci)"
exec "$@"
