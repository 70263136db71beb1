#!/usr/bin/env bash
# Runs the start-up driver against the real program and keeps a screenshot as PNG.
set -euo pipefail
driver=$1 exe=$2 outdir=$3
mkdir -p "$outdir"
bmp="$outdir/startup.bmp"
wine "$driver" "$(winepath -w "$exe")" "$(winepath -w "$bmp")" | tr -d '\r'
convert "$bmp" "$outdir/startup.png" && rm -f "$bmp"
echo "screenshot: $outdir/startup.png"
