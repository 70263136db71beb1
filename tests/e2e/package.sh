#!/usr/bin/env bash
# The package target: the zip holds exactly the four files, made twice the zip and the
# installer are the same bytes, and the zip's Velkaro.exe, unpacked, starts and ends on its
# own command.
set -uo pipefail
build=$1 version=$2 driver=$3 shots=$4
failed=0 passed=0
check() { if eval "$2"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi; }
zip=$build/Velkaro-$version-win64.zip setup=$build/Velkaro-$version-setup.exe
cmake --build "$build" --target package >/dev/null 2>&1
check "the package target makes $(basename "$zip")" '[ -f "$zip" ]'
check "and $(basename "$setup")" '[ -f "$setup" ]'
listed=$(unzip -Z1 "$zip" 2>/dev/null | tr '\n' ' ')
echo "listed: $listed"
check "the zip holds exactly the programs, the guide and the licence" \
  '[ "$listed" = "Velkaro.exe velkaro-color.exe README.txt LICENSE.txt " ]'
first=$(sha256sum <"$zip") first_setup=$(sha256sum <"$setup")
rm -f "$zip" "$setup"
sleep 1  # a time stored anywhere would now differ
cmake --build "$build" --target package >/dev/null 2>&1
check "made again, the zip is the same bytes" '[ "$(sha256sum <"$zip")" = "$first" ]'
check "and so is the installer" '[ "$(sha256sum <"$setup")" = "$first_setup" ]'
unpacked=$(mktemp -d)
unzip -q "$zip" -d "$unpacked"
out=$(bash "$(dirname "$0")/run_driver.sh" "$driver" "$unpacked/Velkaro.exe" "$shots/package.png")
echo "$out" | grep -v '^ok'
check "the unpacked program starts and ends on 退出" 'echo "$out" | grep -q " 0 failed"'
rm -rf "$unpacked"
echo "$passed passed, $failed failed"
