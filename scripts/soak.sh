#!/usr/bin/env bash
# Long soaks of the window model under AddressSanitizer and UndefinedBehaviorSanitizer:
# random seeds at random densities until the time is up or one fails, which prints its
# seed (rerun it with build/sanitize/tests/unit/model_soak SEED EVENTS DPI).
# Usage: scripts/soak.sh [minutes] [events per seed]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$VELKARO_ROOT"
velkaro_install_packages
minutes=${1:-30} events=${2:-100000}
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target model_soak >/dev/null
end=$((SECONDS + minutes * 60))
runs=0
dpis=(96 120 144 168 192)
while [ $SECONDS -lt $end ]; do
  seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
  dpi=${dpis[$((seed % 5))]}
  build/sanitize/tests/unit/model_soak "$seed" "$events" "$dpi" || exit 1
  runs=$((runs + 1))
done
echo "$runs seeds of $events events, every invariant held"
