#!/usr/bin/env bash
# End-to-end drivers (the eyedropper, the palette) at other screen densities, each in a fresh Wine prefix told the
# density before the program starts: 120, 144 and 192 dpi (125, 150, 200 %), on a screen
# of its own large enough for the window at 200 % (1308 x 990) beside the test's board.
set -uo pipefail
exe=$1 shots=$2
shift 2
drivers=("$@")
source "$(dirname "$0")/../../scripts/env.sh"
mkdir -p "$shots"
VELKARO_SCREEN=2560x1600x24 velkaro_start_display >/dev/null
trap 'kill "$VELKARO_XVFB_PID" 2>/dev/null' EXIT
export WINEPREFIX=$VELKARO_ROOT/build/density-prefix
failed=0
for dpi in 120 144 192; do
  velkaro_density_prefix "$dpi"
  for driver in "${drivers[@]}"; do
    name=$(basename "$driver" .exe)
    name=${name%_driver}
    echo "== $name at $dpi dpi"
    out=$(bash "$(dirname "$0")/run_driver.sh" "$driver" "$exe" "$shots/${name}_$dpi.png")
    echo "$out" | grep -v '^ok'
    echo "$out" | grep -q ' 0 failed' || failed=$((failed + 1))
  done
done
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
echo "$((3 * ${#drivers[@]} - failed)) passed, $failed failed"
