#!/usr/bin/env bash
# Plants each fault of mutants.tsv in a scratch copy of this tree and checks that the suite fails.
# usage: bash tests/mutants/run.sh [--list FILE] [ID ...]
# Exits 1 when a fault is missed, cannot be planted or does not build.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(git -C "$here" rev-parse --show-toplevel)
list=$here/mutants.tsv
if [[ ${1:-} == --list ]]; then
  [[ $# -ge 2 ]] || { echo "--list needs a file" >&2; exit 2; }
  list=$(realpath "$2")
  shift 2
fi
wanted=("$@")
[[ -r $list ]] || { echo "cannot read $list" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree=$scratch/tree
logs=$scratch/logs
mkdir -p "$tree" "$logs"

say() { echo "mutants: $*" >&2; }

# The tracked files as they stand in the working tree, edits included.
(cd "$root" && git ls-files -z | tar --null -T - --ignore-failed-read -cf - 2>/dev/null) |
  tar -xf - -C "$tree"
cd "$tree"

build() { nice -n 5 cmake --build --preset dev -j2 </dev/null >"$1" 2>&1; }
suite() {
  nice -n 5 ctest --preset dev -j2 --timeout 120 -E '^(format|layers)$' </dev/null >"$1" 2>&1
}
# Names of failing tests in the order they ended, at most three.
failing() {
  sed -nE 's/^.*Test +#[0-9]+: ([^ ]+) \.*\*\*\*.*$/\1/p' "$1" | awk 'NR <= 3' | paste -sd, -
}

say "configuring and building in $tree"
cmake --preset dev -DRENNLUPE_BENCH=OFF >"$logs/configure.log" 2>&1 ||
  { cat "$logs/configure.log" >&2; say "configure failed"; exit 2; }
build "$logs/build.log" || { tail -n 40 "$logs/build.log" >&2; say "build failed"; exit 2; }
say "running the suite on the unchanged tree"
if ! suite "$logs/baseline.log"; then
  tail -n 40 "$logs/baseline.log" >&2
  say "the suite is not green without mutants: $(failing "$logs/baseline.log")"
  exit 2
fi

caught=0 missed=0 bad=0
seen=" "
echo "id | description | result | tests"
while IFS=$'\t' read -r -u 3 id file find replace description; do
  [[ -z $id || $id == \#* ]] && continue
  if [[ ${#wanted[@]} -gt 0 && ! " ${wanted[*]} " == *" $id "* ]]; then
    continue
  fi
  seen+="$id "
  tests=""
  count=0
  if [[ -f $file ]]; then
    count=$(FIND=$find perl -0777 -ne 'print scalar(() = /\Q$ENV{FIND}\E/g)' "$file")
  fi
  if [[ $count -ne 1 ]]; then
    result="not applied"
    bad=$((bad + 1))
  else
    cp "$file" "$scratch/original"
    FIND=$find REPLACE=$replace perl -0777 -i -pe 's/\Q$ENV{FIND}\E/$ENV{REPLACE}/' "$file"
    say "$id: building"
    if ! build "$logs/$id.build.log"; then
      result="build failed"
      bad=$((bad + 1))
    else
      say "$id: testing"
      if suite "$logs/$id.test.log"; then
        result=missed
        missed=$((missed + 1))
      else
        result=caught
        tests=$(failing "$logs/$id.test.log")
        caught=$((caught + 1))
      fi
    fi
    # A plain copy gives the file a new time, so the next build compiles it again.
    cp "$scratch/original" "$file"
  fi
  echo "$id | $description | $result | $tests"
done 3<"$list"
for id in "${wanted[@]}"; do
  if [[ $seen != *" $id "* ]]; then
    echo "$id | not in $(basename "$list") | not applied |"
    bad=$((bad + 1))
  fi
done

[[ $bad -eq 0 ]] || echo "$bad not applied or not built"
echo "$caught caught, $missed missed"
[[ $missed -eq 0 && $bad -eq 0 ]]
