#!/usr/bin/env bash
# How much of the program each fuzz target's corpus reaches: every input of the seed corpus
# and of what the fuzzing found (build/fuzz/tests/fuzz/found) replayed once in a build with
# source coverage, then the lines covered in the sources that target reads.
# Usage: scripts/fuzz_coverage.sh
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$VELKARO_ROOT"
velkaro_install_packages
cmake --preset fuzz-coverage >/dev/null
cmake --build --preset fuzz-coverage >/dev/null
out=build/fuzz-coverage/coverage
mkdir -p "$out"
declare -A sources=(
  [cli_line_fuzz]="src/cli/colour_cli.cpp src/cli/formats.cpp src/colour/notation.cpp"
  [channel_box_fuzz]="src/sliders/channel_boxes.cpp src/workspace/workspace.cpp"
  [zoom_box_fuzz]="src/sampling/magnifier.cpp"
  [placement_fuzz]="src/shell/placement.cpp"
  [command_fuzz]="src/tray/commands.cpp"
)
for t in cli_line_fuzz channel_box_fuzz zoom_box_fuzz placement_fuzz command_fuzz; do
  mkdir -p "build/fuzz/tests/fuzz/found/$t"
  LLVM_PROFILE_FILE="$out/$t.profraw" build/fuzz-coverage/tests/fuzz/$t -runs=0 \
    "build/fuzz/tests/fuzz/found/$t" "tests/fuzz/corpus/$t" >/dev/null 2>&1
  llvm-profdata-14 merge -sparse "$out/$t.profraw" -o "$out/$t.profdata"
  echo "== $t ($(find "build/fuzz/tests/fuzz/found/$t" "tests/fuzz/corpus/$t" -type f | wc -l) inputs)"
  # shellcheck disable=SC2086
  llvm-cov-14 report "build/fuzz-coverage/tests/fuzz/$t" -instr-profile="$out/$t.profdata" ${sources[$t]} |
    awk '/\.cpp|^TOTAL/ {print "  " $1 ": lines " $10 ", functions " $7 ", branches " $13}'
done
