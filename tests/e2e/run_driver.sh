#!/usr/bin/env bash
# Runs an end-to-end driver against the real program and keeps its screenshots as PNG.
set -euo pipefail
driver=$1 exe=$2 png=$3
shift 3
mkdir -p "$(dirname "$png")"
bmp=${png%.png}.bmp
# Wine maps / to drive Z:. Converting here rather than with winepath keeps the first Wine
# process (and any service it starts) away from ctest's output pipe.
winpath() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }
extra=()
for arg in "$@"; do
  if [[ $arg == */* ]]; then extra+=("$(winpath "$arg")"); else extra+=("$arg"); fi  # paths, or plain numbers
done
# Output goes to a file, not a pipe: a Wine service started on the way would inherit a pipe
# and keep it open long after the driver ends.
log=${png%.png}.log
wine "$driver" "$(winpath "$exe")" "$(winpath "$bmp")" "${extra[@]}" </dev/null >"$log" 2>&1 || true
tr -d '\r' <"$log"
for shot in "$bmp" "$@"; do
  [[ $shot == *.bmp && -f $shot ]] || continue
  convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
  echo "screenshot: ${shot%.bmp}.png"
done
