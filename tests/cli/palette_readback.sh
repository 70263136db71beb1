#!/usr/bin/env bash
# The palettes velkaro-color writes, read back by readers it did not write: the .ase by
# the npm package ase-utils, the JSON by node's own parser, the .gpl and .css by their
# plain rules; each must give the colours in order, each named by its nearest CSS colour.
set -euo pipefail
tool=$1 modules=$2
if [ ! -d "$modules/ase-utils" ]; then
  echo "FAILED: ase-utils is not installed in $modules (scripts/test.sh installs it)"; exit 1
fi
colours=('#90C41F' white rebeccapurple '#010203' 'oklch(62.8% 0.2577 29.23)')
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for format in gpl ase css json; do "$tool" palette --format "$format" "${colours[@]}" >"$dir/palette.$format"; done
# What each entry must read: "name r,g,b", from the tool's own name and rgb commands.
paste -d' ' <("$tool" name "${colours[@]}" | cut -d' ' -f1) <("$tool" --format rgb "${colours[@]}") >"$dir/expected"
NODE_PATH=$modules node "$(dirname "$0")/palette_readback.js" "$dir"
