#!/usr/bin/env bash
# Builds both presets and runs every test: natively, then the Windows build under Wine
# on a private virtual display. Installs what is missing (Debian 12, as root).
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$VELKARO_ROOT"

velkaro_install_packages
velkaro_install_npm_modules

quietly() {  # runs a step, showing its output only when it fails
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then cat "$log"; rm -f "$log"; return 1; fi
  rm -f "$log"
}

echo "== native build and tests"
quietly cmake --preset native
quietly cmake --build --preset native
ctest --preset native -j2

echo "== native build with AddressSanitizer and UndefinedBehaviorSanitizer: unit tests and the soak"
quietly cmake --preset sanitize
quietly cmake --build --preset sanitize
ctest --preset sanitize -j2

echo "== fuzz targets (clang, libFuzzer): a short run of each"
quietly cmake --preset fuzz
quietly cmake --build --preset fuzz
ctest --preset fuzz -j2

echo "== Windows build, tests under Wine"
quietly cmake --preset windows
quietly cmake --build --preset windows
trap velkaro_stop_wine EXIT
velkaro_start_display
velkaro_fresh_prefix
ctest --preset windows
