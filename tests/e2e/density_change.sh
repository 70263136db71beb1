#!/usr/bin/env bash
# The window told 144 dpi while running against the window started at 144 dpi: each run in
# a fresh prefix of its own density, each saving the window's picture; the two must agree
# pixel for pixel outside the magnifier's live picture.
set -uo pipefail
driver=$1 exe=$2 shots=$3
source "$(dirname "$0")/../../scripts/env.sh"
mkdir -p "$shots"
VELKARO_SCREEN=1600x1200x24 velkaro_start_display >/dev/null
trap 'kill "$VELKARO_XVFB_PID" 2>/dev/null' EXIT
export WINEPREFIX=$VELKARO_ROOT/build/density-change-prefix
failed=0
for run in moved:96 there:144; do
  mode=${run%:*} dpi=${run#*:}
  velkaro_density_prefix "$dpi"
  echo "== $mode (prefix at $dpi dpi)"
  out=$(bash "$(dirname "$0")/run_driver.sh" "$driver" "$exe" "$shots/density_$mode.png" "$mode")
  echo "$out" | grep -v '^ok'
  echo "$out" | grep -q ' 0 failed' || failed=$((failed + 1))
  declare "magnifier_$mode=$(echo "$out" | sed -n 's/^magnifier \([0-9]*\),\([0-9]*\) \([0-9]*\)x\([0-9]*\)$/\1 \2 \3 \4/p')"
done
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
read -r x y w h <<<"$magnifier_there"
mask="rectangle $x,$y $((x + w - 1)),$((y + h - 1))"
for mode in moved there; do convert "$shots/density_$mode.png" -fill black -draw "$mask" "$shots/density_${mode}_masked.png"; done
differ=$(compare -metric AE "$shots/density_moved_masked.png" "$shots/density_there_masked.png" "$shots/density_difference.png" 2>&1)
echo "the window told 144 dpi against the window started at 144 dpi: $differ pixels differ outside the magnifier"
[ "$differ" = 0 ] || failed=$((failed + 1))
echo "$((3 - failed)) passed, $failed failed"
