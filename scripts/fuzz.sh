#!/usr/bin/env bash
# Runs every fuzz target for longer than the test command does: by default 10 million runs
# each (or until a fault), printing each target's run count and coverage.
# Usage: scripts/fuzz.sh [runs per target] [target ...]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$VELKARO_ROOT"
velkaro_install_packages
runs=${1:-10000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(cli_line_fuzz channel_box_fuzz zoom_box_fuzz placement_fuzz command_fuzz)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
failed=0
for t in "${targets[@]}"; do
  found=build/fuzz/tests/fuzz/found/$t
  mkdir -p "$found"
  log=build/fuzz/tests/fuzz/$t.log
  echo "== $t"
  status=0
  build/fuzz/tests/fuzz/$t -runs="$runs" -print_final_stats=1 "$found" "tests/fuzz/corpus/$t" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY|invariant failed)' "$log" || true
  if [ $status -ne 0 ]; then
    echo "FAILED: $t (see $log and the crash file it names)"
    failed=$((failed + 1))
  fi
done
exit $failed
