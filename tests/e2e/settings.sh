#!/usr/bin/env bash
# The tray menu's settings and the export (settings_driver), then the exported swatch file
# read back by a reader the program did not write (ase-utils, from npm). The failing export
# goes to a folder made immutable, which takes no file even from root.
set -uo pipefail
driver=$1 exe=$2 shots=$3 modules=$4
mkdir -p "$shots"
export_file=$shots/export.ase refusing=$shots/refusing
rm -f "$export_file"
chattr -i "$refusing" 2>/dev/null; rm -rf "$refusing"; mkdir -p "$refusing"
if ! chattr +i "$refusing"; then echo "FAILED: the folder that refuses files could not be made"; fi
out=$(bash "$(dirname "$0")/run_driver.sh" "$driver" "$exe" "$shots/settings_menu.png" "$export_file" "$refusing" "$shots/settings_recent.bmp")
chattr -i "$refusing"; rm -rf "$refusing"
echo "$out"
decoded=$(NODE_PATH=$modules node -e '
  const c = require("ase-utils").decode(require("fs").readFileSync(process.argv[1])).colors;
  console.log(c.map((e) => e.name + " " + e.color.map((v) => Math.round(v * 255)).join(",") + " " + e.model + " " + e.type).join("; "));
' "$export_file" 2>&1)
expected="steelblue 37,150,190 RGB global; yellowgreen 144,196,31 RGB global"
if [ "$decoded" = "$expected" ]; then echo "ok: the exported .ase reads back in ase-utils: $decoded"
else echo "FAILED: the exported .ase reads back in ase-utils as \"$decoded\", not \"$expected\""; fi
