#!/usr/bin/env bash
# Installs node-insim from the committed lock file into the build tree; the source tree stays
# untouched. usage: npmCi.sh SOURCE_DIR PREFIX CACHE
set -u
source_dir=$1
prefix=$2
cache=$3
. "$(dirname "$0")/skipOutsideCi.sh"

command -v node > /dev/null || skip_outside_ci "node is not installed"
command -v npm > /dev/null || skip_outside_ci "npm is not installed"
mkdir -p "$prefix" "$cache" || exit 1
cp "$source_dir/package.json" "$source_dir/package-lock.json" "$prefix/" || exit 1
log="$prefix/npm-ci.log"
echo "npm $(npm --version), node $(node --version): npm ci --prefix $prefix"
if npm ci --prefix "$prefix" --cache "$cache" --no-audit --no-fund --no-update-notifier \
  --fetch-retries 1 --fetch-retry-mintimeout 2000 --fetch-retry-maxtimeout 5000 > "$log" 2>&1; then
  cat "$log"
  exit 0
fi
cat "$log"
# npm's own codes for a registry it cannot reach; any other failure is a real one.
if grep -Eq 'code (ENOTFOUND|EAI_AGAIN|ECONNREFUSED|ECONNRESET|ETIMEDOUT|ENETUNREACH|EHOSTUNREACH|ENETDOWN|ERR_SOCKET_TIMEOUT)|network (request|timeout)' "$log"; then
  skip_outside_ci "npm ci could not reach its registry (npm's error above)"
fi
exit 1
