#!/usr/bin/env bash
# A second start while the first copy is stopped (SIGSTOP on its Wine process): the first
# cannot answer, and the second must still give up and exit with 0 within 15 s.
set -uo pipefail
exe=$1 log=$2
mkdir -p "$(dirname "$log")"
: >"$log"
failed=0
check() {  # check OK WHAT
  if [ "$1" = 0 ]; then echo "ok: $2"; else echo "FAILED: $2"; failed=$((failed + 1)); fi | tee -a "$log"
}
winpath() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }
exe=$(winpath "$exe")

# Output to files, not ctest's pipe: a Wine service started on the way would keep it open.
wine "$exe" </dev/null >"$log.first" 2>&1 &
shown=1
for _ in $(seq 150); do
  if xdotool search --onlyvisible --name '^Velkaro$' >/dev/null 2>&1; then shown=0; break; fi
  sleep 0.2
done
check $shown "the first copy shows its window"
pid=$(pgrep -f 'velkaro\.exe' | while read -r p; do
  [ "$p" != "$$" ] && grep -qa 'velkaro.exe' "/proc/$p/cmdline" && ! grep -qa 'stopped_first_copy' "/proc/$p/cmdline" && echo "$p"
done | head -n 1)
[ -n "$pid" ]; check $? "the first copy's process is found ($pid)"
kill -STOP "$pid"
start=$(date +%s%N)
timeout 20 wine "$exe" </dev/null >"$log.second" 2>&1
code=$?
took=$((($(date +%s%N) - start) / 1000000))
[ "$code" = 0 ] && [ "$took" -lt 15000 ]; check $? "a second copy exits with 0 within 15 s while the first is stopped (code $code, $took ms)"
kill -CONT "$pid"
kill -KILL "$pid" 2>/dev/null
wait 2>/dev/null
echo "$((2 + 1 - failed)) passed, $failed failed" | tee -a "$log"
[ "$failed" = 0 ]
