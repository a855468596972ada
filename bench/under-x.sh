#!/usr/bin/env bash
# Run by run.sh inside Xvfb: start-up to the mapped window and peak memory.
set -euo pipefail
runs=$1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# One run: prints "<ms to mapped window> <peak resident kB>".
measure() {
  local program=$1 title=$2
  local t0 t1 pid hwm
  t0=$(date +%s%N)
  "$program" >/dev/null 2>>"${BENCH_LOG:-/dev/null}" &
  pid=$!
  # xdotool's own --sync waits in half-second steps; poll finer than that.
  local tries=0
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    sleep 0.01
    if ((++tries > 1000)); then echo "no window of $program appeared" >&2; kill $pid; return 1; fi
  done
  t1=$(date +%s%N)
  sleep 0.3  # let the first paint finish before reading the peak
  hwm=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  echo "$(( (t1 - t0) / 1000 )) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

app_t=(); bare_t=(); app_m=(); bare_m=()
for ((i = 0; i < runs; i++)); do
  read -r t m < <(measure build/zorvan-tags "Zorvan")
  app_t+=("$t"); app_m+=("$m")
  read -r t m < <(measure build/bench/bench-bare-window "Bare benchmark window")
  bare_t+=("$t"); bare_m+=("$m")
done
at=$(printf '%s\n' "${app_t[@]}" | median); bt=$(printf '%s\n' "${bare_t[@]}" | median)
am=$(printf '%s\n' "${app_m[@]}" | median); bm=$(printf '%s\n' "${bare_m[@]}" | median)

echo "machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo), Qt $(dpkg-query -W -f='${Version}' libqt6core6)"
awk -v a="$at" -v b="$bt" -v n="$runs" 'BEGIN {
  printf "START-UP  median of %d runs to the mapped window: zorvan-tags %.1f ms, bare window %.1f ms, ratio %.2f (target <= 1.30)\n", n, a/1000, b/1000, a/b }'
awk -v a="$am" -v b="$bm" 'BEGIN {
  printf "MEMORY    peak resident: zorvan-tags %.1f MB, bare window %.1f MB, difference %.1f MB (target <= 25 MB)\n", a/1024, b/1024, (a-b)/1024 }'
build/bench/bench-publish 2>/dev/null | sed 's/^PUBLISH /PUBLISH   /'
