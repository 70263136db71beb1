#!/usr/bin/env bash
# The installer (installer_driver) in a fresh prefix of its own, where nothing was ever
# installed; the package target makes it.
set -uo pipefail
build=$1 version=$2 driver=$3 shots=$4
source "$(dirname "$0")/../../scripts/env.sh"
export WINEPREFIX=$VELKARO_ROOT/build/installer-prefix
# "退出" reaches the running copy through the code page under Wine (on Windows through
# Unicode as well): the Chinese locale, as for the other tests of two copies.
export VELKARO_LANG=zh_CN.UTF-8
setup=$build/Velkaro-$version-setup.exe
cmake --build "$build" --target package >/dev/null 2>&1
if [ ! -f "$setup" ]; then echo "FAILED: the package target makes $(basename "$setup")"; exit 1; fi
velkaro_fresh_prefix </dev/null >/dev/null 2>&1
bash "$(dirname "$0")/run_driver.sh" "$driver" "$setup" "$shots/installer.png" "$version"
velkaro_end_server
rm -rf "$WINEPREFIX"
