#!/usr/bin/env bash
# Runs an end-to-end driver against the real program and keeps its screenshot as PNG.
set -euo pipefail
driver=$1 exe=$2 png=$3
shift 3
mkdir -p "$(dirname "$png")"
bmp=${png%.png}.bmp
extra=()
for arg in "$@"; do extra+=("$(winepath -w "$arg")"); done
wine "$driver" "$(winepath -w "$exe")" "$(winepath -w "$bmp")" "${extra[@]}" | tr -d '\r'
if [ -f "$bmp" ]; then
  convert "$bmp" "$png" && rm -f "$bmp"
  echo "screenshot: $png"
fi
