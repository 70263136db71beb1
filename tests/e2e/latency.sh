#!/usr/bin/env bash
# The move latency probe at 96 and 144 dpi, each in a fresh prefix told the density, on a
# screen large enough for the window at 150 % beside the board and the bare window.
set -uo pipefail
driver=$1 exe=$2 reference=$3 shots=$4
source "$(dirname "$0")/../../scripts/env.sh"
mkdir -p "$shots"
VELKARO_SCREEN=2560x1600x24 velkaro_start_display >/dev/null
trap 'kill "$VELKARO_XVFB_PID" 2>/dev/null' EXIT
export WINEPREFIX=$VELKARO_ROOT/build/latency-prefix
failed=0
for dpi in 96 144; do
  velkaro_density_prefix "$dpi"
  echo "== $dpi dpi"
  out=$(bash "$(dirname "$0")/run_driver.sh" "$driver" "$exe" "$shots/latency_$dpi.png" "$reference")
  echo "$out" | grep -v '^ok'
  echo "$out" | grep -q ' 0 failed' || failed=$((failed + 1))
done
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
echo "$((2 - failed)) passed, $failed failed"
