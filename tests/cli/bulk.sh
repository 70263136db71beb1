#!/usr/bin/env bash
# Feeds all 16,777,216 colours to velkaro-color --tsv and checks that each one came out.
set -euo pipefail
prog=$1
start=$(date +%s.%N)
lines=$(seq 0 16777215 | "$prog" --tsv | wc -l)
end=$(date +%s.%N)
echo "converted $((lines - 1)) colours in $(awk -v a="$start" -v b="$end" 'BEGIN{printf "%.1f", b-a}') s"
[ "$lines" -eq 16777217 ]
