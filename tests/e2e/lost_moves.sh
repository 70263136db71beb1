#!/usr/bin/env bash
# The fast drag out of the window (lost_moves_driver), RUNS times, each in a fresh Wine
# prefix: every run must pick exactly the colour under the release.
set -uo pipefail
driver=$1 exe=$2 logdir=$3 runs=${4:-10}
source "$(dirname "$0")/../../scripts/env.sh"
mkdir -p "$logdir"
winpath() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }
export WINEPREFIX=$VELKARO_ROOT/build/lostmove-prefix
passed=0
for run in $(seq "$runs"); do
  velkaro_end_server
  rm -rf "$WINEPREFIX"
  velkaro_prepare_prefix </dev/null >/dev/null 2>&1
  log=$logdir/lost_moves_$run.log
  wine "$(winpath "$driver")" "$(winpath "$exe")" </dev/null >"$log" 2>&1
  if tr -d '\r' <"$log" | grep -q ' 0 failed'; then
    passed=$((passed + 1)); echo "ok: run $run picks exactly"
  else
    echo "FAILED: run $run"; tr -d '\r' <"$log" | grep -v '^ok'
  fi
done
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
echo "$passed passed, $((runs - passed)) failed"
