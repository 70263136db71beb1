#!/usr/bin/env bash
# Builds Velkaro for Windows and runs it under Wine on your display. Without a display
# (DISPLAY unset) it runs Velkaro on a private virtual display, saves a screenshot of the
# window, prints the screenshot's path and ends. Installs what is missing (Debian 12, as root).
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$VELKARO_ROOT"

velkaro_install_packages
log=$(mktemp)
if ! { cmake --preset windows && cmake --build --preset windows --target velkaro; } >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
rm -f "$log"
exe=$VELKARO_ROOT/build/windows/src/app/velkaro.exe
export WINEPREFIX=$VELKARO_ROOT/build/runprefix
# Chinese, as the program's users run it: a second start then reaches the first copy
# with its command intact (Wine passes Chinese command strings only in the Chinese code page).
export VELKARO_LANG=zh_CN.UTF-8

if [ -n "${DISPLAY:-}" ]; then
  velkaro_prepare_prefix
  exec wine "$exe"
fi

trap velkaro_stop_wine EXIT
velkaro_start_display
velkaro_prepare_prefix
wine "$exe" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velkaro$' | head -n 1)
sleep 2  # the first paint
shot=$VELKARO_ROOT/build/velkaro-window.png
import -window root -crop "$(xdotool getwindowgeometry --shell "$window" |
  awk -F= '/^WIDTH/{w=$2} /^HEIGHT/{h=$2} /^X/{x=$2} /^Y/{y=$2} END{printf "%dx%d+%d+%d", w, h, x, y}')" \
  +repage "$shot"
echo "$shot"
