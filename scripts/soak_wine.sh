#!/usr/bin/env bash
# Random real input to the Windows build under Wine for as long as asked (30 minutes by
# default), the program's memory sampled every minute; prints the samples and the checks.
# Usage: scripts/soak_wine.sh [minutes] [seed]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$VELKARO_ROOT"
velkaro_install_packages
minutes=${1:-30} seed=${2:-$RANDOM}
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
trap velkaro_stop_wine EXIT
velkaro_start_display
export WINEPREFIX=$VELKARO_ROOT/build/soak-prefix
velkaro_fresh_prefix
b=build/windows
bash tests/e2e/run_driver.sh $b/tests/e2e/soak_driver.exe $b/src/app/velkaro.exe $b/screenshots/soak_long.png \
  "$minutes" 60 "$seed" | tee $b/screenshots/soak_long.txt
grep -q ' 0 failed' $b/screenshots/soak_long.txt
